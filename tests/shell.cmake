test_pmup(shell_test shell Qt6::Test)
# A start-up that failed to end its event loop would otherwise wait for ever.
set_tests_properties(shell_test PROPERTIES TIMEOUT 120)
test_pmup(transfert_test shell Qt6::Test)
# So would a closing that failed to end it.
set_tests_properties(transfert_test PROPERTIES TIMEOUT 120)
