// Building the system's dialog template from the shared one, and running it.
#include "TemplateDialog.h"

#include "Utf.h"
#include "resources/resource.h"

#include <string>

namespace {

// The system's predefined control classes, by their atoms.
constexpr WORD kButtonClass = 0x0080;
constexpr WORD kStaticClass = 0x0082;
constexpr WORD kComboBoxClass = 0x0085;

struct ControlClass {
    WORD atom;
    DWORD style;
};

ControlClass ClassOf(ControlKind kind) {
    switch (kind) {
    case ControlKind::PushButton:
        return {kButtonClass, BS_PUSHBUTTON};
    case ControlKind::DefPushButton:
        return {kButtonClass, BS_DEFPUSHBUTTON};
    case ControlKind::GroupBox:
        return {kButtonClass, BS_GROUPBOX};
    case ControlKind::RadioButton:
        return {kButtonClass, BS_AUTORADIOBUTTON};
    case ControlKind::ComboBox:
        return {kComboBoxClass, CBS_DROPDOWNLIST};
    case ControlKind::Icon:
        return {kStaticClass, SS_ICON};
    case ControlKind::Static:
        break;
    }
    return {kStaticClass, SS_LEFT};
}

void Append(std::vector<WORD>& out, const std::wstring& text) {
    out.insert(out.end(), text.begin(), text.end());
    out.push_back(0);
}

void AppendDword(std::vector<WORD>& out, DWORD value) {
    out.push_back(LOWORD(value));
    out.push_back(HIWORD(value));
}

void AppendShort(std::vector<WORD>& out, int value) {
    out.push_back(static_cast<WORD>(static_cast<short>(value)));
}

} // namespace

std::vector<WORD> TemplateDialog::Build(const DialogTemplate& tmpl) {
    std::vector<WORD> out;
    AppendDword(out, WS_POPUP | DS_SETFONT | tmpl.style);
    AppendDword(out, 0); // extended style
    out.push_back(static_cast<WORD>(tmpl.controls.size()));
    for (int v : {tmpl.x, tmpl.y, tmpl.cx, tmpl.cy})
        AppendShort(out, v);
    out.push_back(0); // no menu
    out.push_back(0); // the system's dialog class
    Append(out, Widen(tmpl.caption));
    out.push_back(static_cast<WORD>(tmpl.pointSize));
    Append(out, Widen(tmpl.fontName));
    for (const DialogControl& control : tmpl.controls) {
        if (out.size() % 2 != 0)
            out.push_back(0);
        const ControlClass cls = ClassOf(control.kind);
        AppendDword(out, WS_CHILD | WS_VISIBLE | cls.style | control.style);
        AppendDword(out, 0);
        for (int v : {control.x, control.y, control.cx, control.cy})
            AppendShort(out, v);
        AppendShort(out, control.nID);
        out.push_back(0xFFFF);
        out.push_back(cls.atom);
        // An icon control names the program's icon by its resource number.
        if (control.kind == ControlKind::Icon) {
            out.push_back(0xFFFF);
            out.push_back(static_cast<WORD>(IDR_MAINFRAME));
        } else {
            Append(out, Widen(control.text));
        }
        out.push_back(0); // no creation data
    }
    return out;
}

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
    if (result == -1)
        return -1;
    return site.m_bEnded ? site.m_nResult : IDCANCEL;
}

INT_PTR CALLBACK TemplateDialog::DialogProc(HWND hDlg, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_INITDIALOG) {
        SetWindowLongPtrW(hDlg, DWLP_USER, lParam);
        return reinterpret_cast<TemplateDialog*>(lParam)->OnInitDialog(hDlg);
    }
    auto* self = reinterpret_cast<TemplateDialog*>(GetWindowLongPtrW(hDlg, DWLP_USER));
    if (self == nullptr || message != WM_COMMAND)
        return FALSE;
    // Buttons, Enter and Esc; a list's notifications (never BN_CLICKED's code) are not commands.
    if (HIWORD(wParam) != BN_CLICKED)
        return FALSE;
    return self->m_dialog.OnCommand(LOWORD(wParam)) ? TRUE : FALSE;
}

BOOL TemplateDialog::OnInitDialog(HWND hDlg) {
    m_hDlg = hDlg;
    FillLists();
    // TRUE: the system gives the first tab stop the focus.
    return m_dialog.OnInitDialog() ? TRUE : FALSE;
}

void TemplateDialog::FillLists() const {
    for (const DialogInitRecord& record : m_tmpl.initData) {
        const std::wstring text = Widen(record.text);
        const UINT message = record.message == kInitDataAddString ? CB_ADDSTRING : record.message;
        SendDlgItemMessageW(m_hDlg, record.nIDC, message, 0,
                            reinterpret_cast<LPARAM>(text.c_str()));
    }
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

void TemplateDialog::EndDialog(int nResult) {
    m_bEnded = true;
    m_nResult = nResult;
    ::EndDialog(m_hDlg, nResult);
}
