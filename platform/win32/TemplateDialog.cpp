// Building the system's dialog template from the shared one, and running it.
#include "TemplateDialog.h"

#include "Utf.h"
#include "resources/resource.h"

#include <algorithm>
#include <string>

namespace {

// The system's predefined control class of each kind, by its atom, and the kind's style.
struct ControlClass {
    ControlKind kind;
    WORD atom;
    DWORD style;
};
constexpr WORD kButton = 0x0080;
constexpr WORD kStatic = 0x0082;
constexpr ControlClass kClasses[] = {
    {ControlKind::PushButton, kButton, BS_PUSHBUTTON},
    {ControlKind::DefPushButton, kButton, BS_DEFPUSHBUTTON},
    {ControlKind::GroupBox, kButton, BS_GROUPBOX},
    {ControlKind::RadioButton, kButton, BS_AUTORADIOBUTTON},
    {ControlKind::ComboBox, 0x0085, CBS_DROPDOWNLIST},
    {ControlKind::Icon, kStatic, SS_ICON},
    {ControlKind::Static, kStatic, SS_LEFT},
};

const ControlClass& ClassOf(ControlKind kind) {
    return *std::find_if(std::begin(kClasses), std::end(kClasses),
                         [kind](const ControlClass& cls) { return cls.kind == kind; });
}

void Append(std::vector<WORD>& out, const std::string& text) {
    const std::wstring wide = Widen(text);
    out.insert(out.end(), wide.begin(), wide.end());
    out.push_back(0);
}

void AppendDword(std::vector<WORD>& out, DWORD value) {
    out.push_back(LOWORD(value));
    out.push_back(HIWORD(value));
}

void AppendRect(std::vector<WORD>& out, int x, int y, int cx, int cy) {
    for (int v : {x, y, cx, cy})
        out.push_back(static_cast<WORD>(static_cast<short>(v)));
}

// The template as the system reads it: header, font, then each control, DWORD-aligned.
std::vector<WORD> Build(const DialogTemplate& tmpl) {
    std::vector<WORD> out;
    AppendDword(out, WS_POPUP | DS_SETFONT | tmpl.style);
    AppendDword(out, 0); // extended style
    out.push_back(static_cast<WORD>(tmpl.controls.size()));
    AppendRect(out, tmpl.x, tmpl.y, tmpl.cx, tmpl.cy);
    out.insert(out.end(), {0, 0}); // no menu, the system's dialog class
    Append(out, tmpl.caption);
    out.push_back(static_cast<WORD>(tmpl.pointSize));
    Append(out, tmpl.fontName);
    for (const DialogControl& control : tmpl.controls) {
        if (out.size() % 2 != 0)
            out.push_back(0);
        const ControlClass& cls = ClassOf(control.kind);
        AppendDword(out, WS_CHILD | WS_VISIBLE | cls.style | control.style);
        AppendDword(out, 0);
        AppendRect(out, control.x, control.y, control.cx, control.cy);
        out.insert(out.end(), {static_cast<WORD>(control.nID), 0xFFFF, cls.atom});
        // An icon control names the program's icon by its resource number.
        if (control.kind == ControlKind::Icon)
            out.insert(out.end(), {0xFFFF, static_cast<WORD>(IDR_MAINFRAME)});
        else
            Append(out, control.text);
        out.push_back(0); // no creation data
    }
    return out;
}

} // namespace

// Esc and closing the window come as IDCANCEL, and the dialog itself ends every run: what the
// system returns is the dialog's own result.
int TemplateDialog::Run(CDialog& dialog, HWND hOwner) {
    const DialogTemplate* tmpl = FindDialogTemplate(dialog.TemplateID());
    if (tmpl == nullptr)
        return -1;
    const std::vector<WORD> data = Build(*tmpl);
    TemplateDialog site(*tmpl, dialog);
    dialog.AttachSite(&site);
    const INT_PTR result = DialogBoxIndirectParamW(
        GetModuleHandleW(nullptr), reinterpret_cast<LPCDLGTEMPLATEW>(data.data()), hOwner,
        &TemplateDialog::DialogProc, reinterpret_cast<LPARAM>(&site));
    dialog.AttachSite(nullptr);
    return static_cast<int>(result);
}

INT_PTR CALLBACK TemplateDialog::DialogProc(HWND hDlg, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_INITDIALOG) {
        SetWindowLongPtrW(hDlg, DWLP_USER, lParam);
        return reinterpret_cast<TemplateDialog*>(lParam)->OnInitDialog(hDlg);
    }
    auto* self = reinterpret_cast<TemplateDialog*>(GetWindowLongPtrW(hDlg, DWLP_USER));
    // Buttons, Enter and Esc; a list's notifications (never BN_CLICKED's code) are not commands.
    if (self == nullptr || message != WM_COMMAND || HIWORD(wParam) != BN_CLICKED)
        return FALSE;
    return self->m_dialog.OnCommand(LOWORD(wParam)) ? TRUE : FALSE;
}

// The lists are filled before the dialog reads its values into them; TRUE: the system gives the
// first tab stop the focus. The templates' initialisation data only adds strings to lists.
BOOL TemplateDialog::OnInitDialog(HWND hDlg) {
    m_hDlg = hDlg;
    for (const DialogInitRecord& record : m_tmpl.initData)
        SendDlgItemMessageW(m_hDlg, record.nIDC, CB_ADDSTRING, 0,
                            reinterpret_cast<LPARAM>(Widen(record.text).c_str()));
    return m_dialog.OnInitDialog() ? TRUE : FALSE;
}

int TemplateDialog::GetComboIndex(int nIDC) const {
    return static_cast<int>(SendDlgItemMessageW(m_hDlg, nIDC, CB_GETCURSEL, 0, 0));
}

void TemplateDialog::SetComboIndex(int nIDC, int nIndex) {
    SendDlgItemMessageW(m_hDlg, nIDC, CB_SETCURSEL, static_cast<WPARAM>(nIndex), 0);
}

std::vector<int> TemplateDialog::RadioGroup(int nIDC) const {
    std::vector<int> group;
    for (const DialogControl& control : m_tmpl.controls) {
        if (!group.empty() && (control.style & WS_GROUP) != 0)
            break;
        if (control.nID == nIDC || (!group.empty() && control.kind == ControlKind::RadioButton))
            group.push_back(control.nID);
    }
    return group;
}

int TemplateDialog::GetRadioIndex(int nIDC) const {
    const std::vector<int> group = RadioGroup(nIDC);
    for (std::size_t i = 0; i < group.size(); ++i) {
        if (IsDlgButtonChecked(m_hDlg, group[i]) == BST_CHECKED)
            return static_cast<int>(i);
    }
    return -1;
}

void TemplateDialog::SetRadioIndex(int nIDC, int nIndex) {
    const std::vector<int> group = RadioGroup(nIDC);
    for (std::size_t i = 0; i < group.size(); ++i)
        CheckDlgButton(m_hDlg, group[i],
                       static_cast<int>(i) == nIndex ? BST_CHECKED : BST_UNCHECKED);
}

void TemplateDialog::EndDialog(int nResult) { ::EndDialog(m_hDlg, nResult); }
