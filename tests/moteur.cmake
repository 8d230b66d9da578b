test_pmup(montant_test engine)
test_pmup(traitements_test engine)
test_pmup(recalcul_test engine)
