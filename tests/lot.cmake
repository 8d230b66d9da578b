test_pmup(lot_test batch)
