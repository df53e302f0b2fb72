#pragma once
// Numeric ids of the dialog templates, the popup menu, the icon and their controls.

// Templates, menu and icon.
constexpr unsigned IDD_QUORVEL_DIALOG = 102;
constexpr unsigned IDR_MAINFRAME = 128;
// The scene tree's icons for each kind of node; a crab's item shows the application's icon.
constexpr unsigned IDI_NODE_ROOT = 140;
constexpr unsigned IDI_NODE_BOX = 141;
constexpr unsigned IDI_NODE_CIRCLE = 142;
constexpr unsigned IDI_NODE_BODY_ARM = 143;
constexpr unsigned IDI_NODE_CLAW_ARM = 144;
constexpr unsigned IDI_NODE_CLAW = 145;
constexpr unsigned IDD_PRIMITIVE_SELECT = 129;
constexpr unsigned IDD_HIERARCHY = 130;
constexpr unsigned IDR_PRIMITIVE_MENU = 131;
constexpr unsigned IDD_SCENE_TREE = 132;
constexpr unsigned IDD_XFORM_INFO = 133;
constexpr unsigned IDD_PRIMITIVE_CONTROL = 134;

// A control that is never addressed.
constexpr int IDC_STATIC = -1;

// Main window (102).
constexpr int IDC_LOAD_MODEL = 2;
constexpr int IDC_SAVE_MODEL = 3;
constexpr int IDC_MAIN_GRAPHICS = 1008;
constexpr int IDC_ZOOM_GRAPHICS = 1009;
constexpr int IDC_MESSAGE_ECHO = 1010;
constexpr int IDC_MAIN_CONTROLS = 1011;
constexpr int IDC_FRAME = 1044;
// The main window makes this one itself: the world point under the cursor.
constexpr int IDC_CURSOR_POSITION = 1046;
constexpr int IDC_DELETE_EVERYTHING = 1045;

// Primitive selection panel (129).
constexpr int IDC_CIRCLE = 1005;
constexpr int IDC_RECTANGLE = 1006;
constexpr int IDC_CRAB = 1007;
constexpr int IDC_VIEW_HIERARCHY = 1012;
constexpr int IDC_GRID = 1013;

// Hierarchy popup (130).
constexpr int IDC_HIERARCHY_PLACEHOLDER = 1010;

// Scene tree panel (132).
constexpr int IDC_SCENE_TREE = 1017;
constexpr int IDC_INDEX_SLIDER = 1018;
constexpr int IDC_INDEX_LABEL = 1019;
constexpr int IDC_XFORM_PLACEHOLDER = 1020;
constexpr int IDC_PRIMITIVE_PLACEHOLDER = 1021;

// Transform panel (133).
constexpr int IDC_TRANSLATE = 1021;
constexpr int IDC_SCALE = 1022;
constexpr int IDC_ROTATION = 1023;
constexpr int IDC_Z_SLIDER = 1025;
constexpr int IDC_Y_SLIDER = 1026;
constexpr int IDC_X_SLIDER = 1027;
constexpr int IDC_SHOW_PIVOT = 1028;
constexpr int IDC_RESET = 1029;
constexpr int IDC_PIVOT = 1030;

// Primitive attribute panel (134).
constexpr int IDC_BOUND_VOL = 1014;
constexpr int IDC_TEXTURE = 1015;
constexpr int IDC_SHADING = 1016;
constexpr int IDC_WIREFRAME = 1017;
constexpr int IDC_BLENDING = 1018;
constexpr int IDC_RED_SLIDER = 1031;
constexpr int IDC_BLUE_SLIDER = 1032;
constexpr int IDC_OBJ_COLOR = 1033;
constexpr int IDC_GREEN_SLIDER = 1034;
constexpr int IDC_ALPHA_SLIDER = 1035;
constexpr int IDC_SHADE_COLOR = 1036;
constexpr int IDC_VISIBILITY = 1037;
constexpr int IDC_BROWSE = 1038;
constexpr int IDC_TEXTURE_NAME = 1039;
constexpr int IDC_LABEL_R = 1040;
constexpr int IDC_LABEL_G = 1041;
constexpr int IDC_LABEL_B = 1042;
constexpr int IDC_LABEL_A = 1043;

// Popup menu (131).
constexpr unsigned ID_PRIMITIVE_DELETE = 32771;
constexpr unsigned ID_PRIMITIVE_MAKE_PARENT = 32772;
constexpr unsigned ID_PRIMITIVE_UNHINGE = 32773;
