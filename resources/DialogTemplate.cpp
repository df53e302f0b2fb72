#include "resources/DialogTemplate.h"

#include "resources/ResourceIds.h"

#include <array>

namespace {

constexpr StyleBits kControl = WS_CHILD | WS_VISIBLE;
constexpr StyleBits kPushButton = kControl | WS_TABSTOP | BS_PUSHBUTTON;
constexpr StyleBits kDefaultButton = kControl | WS_TABSTOP | BS_DEFPUSHBUTTON;
constexpr StyleBits kCheckBox = kControl | WS_TABSTOP | BS_AUTOCHECKBOX;
constexpr StyleBits kRadio = kControl | BS_AUTORADIOBUTTON;
constexpr StyleBits kFirstRadio = kRadio | WS_GROUP | WS_TABSTOP;
constexpr StyleBits kGroupBox = kControl | BS_GROUPBOX;
constexpr StyleBits kLabel = kControl | SS_LEFT;
constexpr StyleBits kCentredLabel = kControl | SS_CENTER;
constexpr StyleBits kPlaceholder = kControl | SS_LEFT | WS_BORDER;
constexpr StyleBits kCentredPlaceholder = kControl | SS_CENTER | WS_BORDER;
constexpr StyleBits kTrackbar = kControl | WS_TABSTOP | TBS_BOTH | TBS_NOTICKS;

constexpr StyleBits kChildDialog = WS_CHILD | DS_SETFONT;
constexpr const wchar_t* kFont = L"MS Shell Dlg";

constexpr auto kMainWindow = std::to_array<ControlTemplate>({
    {1, ControlClass::Button, L"Exit Program", kDefaultButton, 7, 7, 50, 14},
    {IDC_LOAD_MODEL, ControlClass::Button, L"Load Model", kDefaultButton, 59, 7, 50, 14},
    {IDC_SAVE_MODEL, ControlClass::Button, L"Save Model", kDefaultButton, 111, 7, 50, 14},
    {IDC_MESSAGE_ECHO, ControlClass::Static, L"Message Echo", kLabel, 166, 8, 238, 10},
    {IDC_DELETE_EVERYTHING, ControlClass::Button, L"Delete Everything", kPushButton, 421, 7, 69, 14},
    {IDC_MAIN_GRAPHICS, ControlClass::Static, L"Main Graphics Window", kPlaceholder, 7, 22, 353, 221},
    {IDC_ZOOM_GRAPHICS, ControlClass::Static, L"Zoom Graphics Window", kCentredPlaceholder, 363, 22, 150, 97},
    {IDC_MAIN_CONTROLS, ControlClass::Static, L"Main Controls", kCentredPlaceholder, 363, 125, 150, 164},
    {IDC_FRAME, ControlClass::Static, L"", kControl | SS_BLACKFRAME, 7, 249, 353, 80},
});

constexpr auto kPrimitiveSelect = std::to_array<ControlTemplate>({
    {IDC_STATIC, ControlClass::Button, L"Primitives", kGroupBox, 7, 7, 75, 115},
    {IDC_CIRCLE, ControlClass::Button, L"Circle", kFirstRadio, 16, 27, 33, 10},
    {IDC_RECTANGLE, ControlClass::Button, L"Rectangle", kRadio, 15, 42, 48, 10},
    {IDC_CRAB, ControlClass::Button, L"Crab", kRadio, 15, 56, 31, 10},
    {IDC_GRID, ControlClass::Button, L"Grid (on/off)", kCheckBox, 16, 71, 56, 10},
    {IDC_VIEW_HIERARCHY, ControlClass::Button, L"View Hierarchy", kPushButton, 19, 104, 52, 11},
});

constexpr auto kHierarchy = std::to_array<ControlTemplate>({
    {1, ControlClass::Button, L"OK", kDefaultButton, 0, 222, 50, 14},
    {2, ControlClass::Button, L"Cancel", kPushButton, 156, 222, 50, 14},
    {IDC_HIERARCHY_PLACEHOLDER, ControlClass::Static, L"Happy Day!", kPlaceholder, 0, 7, 296, 203},
});

constexpr auto kSceneTree = std::to_array<ControlTemplate>({
    {IDC_SCENE_TREE, ControlClass::TreeView, L"", kControl | WS_BORDER | WS_HSCROLL | WS_TABSTOP, 7, 7, 110,
     118},
    {IDC_INDEX_LABEL, ControlClass::Static, L"Static", kLabel, 12, 128, 24, 10},
    {IDC_INDEX_SLIDER, ControlClass::Trackbar, L"", kTrackbar, 37, 126, 82, 15},
    {IDC_XFORM_PLACEHOLDER, ControlClass::Static, L"Controls Placeholder", kCentredPlaceholder, 121, 7, 174,
     89},
    {IDC_PRIMITIVE_PLACEHOLDER, ControlClass::Static, L"Controls Placeholder", kCentredPlaceholder, 121, 99,
     174, 101},
});

constexpr auto kXformInfo = std::to_array<ControlTemplate>({
    {IDC_TRANSLATE, ControlClass::Button, L"Translate", kFirstRadio, 7, 23, 46, 10},
    {IDC_SCALE, ControlClass::Button, L"Scale", kRadio, 7, 33, 33, 10},
    {IDC_ROTATION, ControlClass::Button, L"Rotation", kRadio, 7, 45, 43, 10},
    {IDC_PIVOT, ControlClass::Button, L"Pivot", kRadio, 7, 57, 32, 10},
    {IDC_X_SLIDER, ControlClass::Trackbar, L"", kTrackbar, 60, 20, 77, 12},
    {IDC_Y_SLIDER, ControlClass::Trackbar, L"", kTrackbar, 60, 34, 77, 12},
    {IDC_Z_SLIDER, ControlClass::Trackbar, L"", kTrackbar | WS_DISABLED, 60, 47, 77, 12},
    {IDC_SHOW_PIVOT, ControlClass::Button, L"Show Pivot", kCheckBox, 14, 73, 51, 10},
    {IDC_RESET, ControlClass::Button, L"RESET", kPushButton & ~WS_VISIBLE, 87, 68, 50, 14},
    {IDC_STATIC, ControlClass::Static, L"X", kCentredLabel, 58, 22, 8, 8},
    {IDC_STATIC, ControlClass::Static, L"Y", kCentredLabel, 58, 35, 8, 8},
    {IDC_STATIC, ControlClass::Static, L"Z", kCentredLabel | WS_DISABLED, 58, 47, 8, 8},
});

constexpr auto kPrimitiveControl = std::to_array<ControlTemplate>({
    {IDC_VISIBILITY, ControlClass::Button, L"Visibility", kCheckBox, 1, 10, 41, 10},
    {IDC_BOUND_VOL, ControlClass::Button, L"Bound Vol", kCheckBox, 1, 19, 47, 10},
    {IDC_TEXTURE, ControlClass::Button, L"Texture", kCheckBox, 1, 28, 41, 10},
    {IDC_SHADING, ControlClass::Button, L"Shading", kCheckBox, 45, 11, 41, 10},
    {IDC_WIREFRAME, ControlClass::Button, L"Wireframe", kCheckBox, 45, 20, 49, 10},
    {IDC_BLENDING, ControlClass::Button, L"Blending", kCheckBox, 95, 12, 43, 10},
    {IDC_STATIC, ControlClass::Button, L"Color", kGroupBox, 7, 38, 146, 56},
    {IDC_RED_SLIDER, ControlClass::Trackbar, L"", kTrackbar, 30, 47, 98, 10},
    {IDC_GREEN_SLIDER, ControlClass::Trackbar, L"", kTrackbar, 30, 55, 98, 10},
    {IDC_BLUE_SLIDER, ControlClass::Trackbar, L"", kTrackbar, 30, 64, 98, 10},
    {IDC_ALPHA_SLIDER, ControlClass::Trackbar, L"", kTrackbar, 30, 73, 98, 10},
    {IDC_LABEL_R, ControlClass::Static, L"R", kCentredLabel, 10, 46, 20, 9},
    {IDC_LABEL_G, ControlClass::Static, L"G", kCentredLabel, 9, 54, 20, 8},
    {IDC_LABEL_B, ControlClass::Static, L"B", kCentredLabel, 9, 64, 20, 10},
    {IDC_LABEL_A, ControlClass::Static, L"A", kCentredLabel, 9, 73, 20, 15},
    {IDC_OBJ_COLOR, ControlClass::Button, L"Obj Color", kFirstRadio, 31, 84, 46, 10},
    {IDC_SHADE_COLOR, ControlClass::Button, L"Shade Color", kRadio, 79, 84, 55, 10},
    {IDC_BROWSE, ControlClass::Button, L"Browse", kPushButton, 41, 30, 28, 10},
    {IDC_TEXTURE_NAME, ControlClass::Static, L"...", kLabel, 71, 31, 68, 9},
});

constexpr auto kTemplates = std::to_array<DialogTemplate>({
    {IDD_QUORVEL_DIALOG, L"Quorvel", WS_POPUP | WS_VISIBLE | WS_CAPTION | DS_MODALFRAME | DS_SETFONT,
     WS_EX_APPWINDOW, 520, 330, kFont, 8, kMainWindow},
    {IDD_PRIMITIVE_SELECT, L"", kChildDialog, 0, 93, 127, kFont, 8, kPrimitiveSelect},
    {IDD_HIERARCHY, L"Dialog", WS_POPUP | WS_CAPTION | WS_SYSMENU | DS_MODALFRAME | DS_SETFONT, 0, 303, 242,
     kFont, 8, kHierarchy},
    {IDD_SCENE_TREE, L"", kChildDialog, 0, 302, 207, kFont, 8, kSceneTree},
    {IDD_XFORM_INFO, L"", kChildDialog | WS_BORDER, 0, 144, 90, kFont, 8, kXformInfo},
    {IDD_PRIMITIVE_CONTROL, L"", kChildDialog | WS_BORDER, 0, 160, 101, kFont, 8, kPrimitiveControl},
});

} // namespace

const DialogTemplate* FindDialogTemplate(unsigned id)
{
    for (const DialogTemplate& dialog : kTemplates)
        if (dialog.id == id)
            return &dialog;
    return nullptr;
}
