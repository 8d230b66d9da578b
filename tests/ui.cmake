test_pmup(ui_test ui Qt6::Test)
