// Runs dialogs without windows: a test decides what the user does with the controls.
#pragma once

#include "platform/Dialog.h"

#include <functional>
#include <map>

// The controls of a dialog run without a window: each control's selected position, by id
// (-1: nothing selected).
class FakeDialogSite final : public IDialogSite {
public:
    int GetComboIndex(int nIDC) const override { return Value(nIDC); }
    void SetComboIndex(int nIDC, int nIndex) override { values[nIDC] = nIndex; }
    int GetRadioIndex(int nIDC) const override { return Value(nIDC); }
    void SetRadioIndex(int nIDC, int nIndex) override { values[nIDC] = nIndex; }
    void EndDialog(int nResult) override {
        ended = true;
        result = nResult;
    }
    int Value(int nIDC) const { return values.count(nIDC) != 0 ? values.at(nIDC) : -1; }

    std::map<int, int> values;
    bool ended = false;
    int result = 0;
};

// Installs itself as the modal runner for its lifetime. The script gets the dialog and its
// controls, already initialised from the dialog's members, and presses buttons through
// dialog.OnCommand; a script that presses nothing leaves the dialog to be closed like Escape.
class ScriptedModalRunner final : public IModalRunner {
public:
    using Script = std::function<void(CDialog&, FakeDialogSite&)>;

    explicit ScriptedModalRunner(Script script = {})
        : m_script(std::move(script)), m_previous(CDialog::SetModalRunner(this)) {}
    ~ScriptedModalRunner() override { CDialog::SetModalRunner(m_previous); }
    ScriptedModalRunner(const ScriptedModalRunner&) = delete;
    ScriptedModalRunner& operator=(const ScriptedModalRunner&) = delete;

    int RunModal(CDialog& dialog) override {
        FakeDialogSite site;
        dialog.AttachSite(&site);
        dialog.OnInitDialog();
        if (m_script)
            m_script(dialog, site);
        if (!site.ended)
            dialog.OnCommand(IDCANCEL);
        dialog.AttachSite(nullptr);
        return site.result;
    }

private:
    Script m_script;
    IModalRunner* m_previous;
};
