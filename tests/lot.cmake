test_pmup(lot_test batch)
test_pmup(lot_commande_test demo_pmup)
add_dependencies(lot_commande_test pmupstock-lot)
target_compile_definitions(lot_commande_test PRIVATE PMUPSTOCK_LOT="$<TARGET_FILE:pmupstock-lot>")
