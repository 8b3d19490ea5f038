#pragma once
// Identifiers of Navik's resources: dialog templates, their controls, the icon, the
// cursors, the string table and the About item of the launcher's system menu.

// Dialog templates.
#define IDD_ABOUTBOX 100
#define IDD_MAIN 102
#define IDD_QUESTION 129
#define IDD_LEARN_SETTINGS 137
#define IDD_EXAM_SETTINGS 139
#define IDD_WRONG_ANSWER 140
#define IDD_RESULTS 141

// Icon, cursors and strings.
#define IDR_MAINFRAME 128
#define IDC_HAND_BUTTON 101
#define IDC_HAND_ANSWER 138
#define IDS_ABOUTBOX 101
#define IDS_TOO_MANY_QUESTIONS 102
#define IDS_BANK_NOT_READABLE 103

// The About item of the launcher's system menu (a system command).
#define IDM_ABOUTBOX 0x0010

// A label without an id of its own.
#define IDC_STATIC (-1)

// Controls of the launcher (102).
#define IDC_EXIT 1000
#define IDC_EXAM 1001
#define IDC_LEARN 1002

// Controls of the question window (129).
#define IDC_FIRST 1003
#define IDC_PREV 1004
#define IDC_NEXT 1005
#define IDC_LAST 1006
#define IDC_BACK 1007
#define IDC_QUESTION_TEXT 1008
#define IDC_ANSWER_A 1009
#define IDC_PICTURE_MARKER 1010
#define IDC_ANSWER_B 1011
#define IDC_ANSWER_C 1012
#define IDC_TIME 1041
#define IDC_PREV_TEN 1042
#define IDC_NEXT_TEN 1043

// Controls of the learning set-up (137).
#define IDC_START_FIRST 1016
#define IDC_START_LAST 1017
#define IDC_SHOW_ALL 1018
#define IDC_SHOW_CORRECT 1019

// Controls of the exam set-up (139).
#define IDC_NEW_TEST 1020
#define IDC_ORDER_SEQUENTIAL 1021
#define IDC_ORDER_SIMULATED 1022
#define IDC_QUESTION_COUNT 1023
#define IDC_QUESTION_COUNT_SPIN 1024
#define IDC_CHECK_EACH 1025
#define IDC_CHECK_AT_END 1026
#define IDC_CONTINUE_TEST 1032
#define IDC_ORDER_RANDOM 1033
#define IDC_QUESTION_COUNT_LABEL 1034
#define IDC_TIME_UNLIMITED 1038
#define IDC_TIME_LIMITED 1039
#define IDC_MINUTES 1040

// Controls of the wrong-answer popup (140).
#define IDC_WRONG_MESSAGE 1027

// Controls of the results window (141).
#define IDC_RESULT_TITLE 1028
#define IDC_RESULT_COUNT 1029
#define IDC_RESULT_RIGHT 1030
#define IDC_RESULT_WRONG 1031
#define IDC_CORRECTION_TEST 1036

// Controls of the About box (100).
#define IDC_HOME_PAGE 1035
