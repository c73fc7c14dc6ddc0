// Ids of the test page's dialog template.
#pragma once
#define IDD_TEST_PAGE 9001
#define IDC_TEST_NUMBER 9102
