test_pmup(assistant_test assistant Qt6::Test)
