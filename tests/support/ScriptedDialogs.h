// Runs dialogs without windows: a test decides what the user does with the controls.
#pragma once

#include "platform/Dialog.h"

#include <functional>
#include <map>

// The controls of a dialog run without a window, as plain values.
class FakeDialogSite final : public IDialogSite {
public:
    int GetComboIndex(int nIDC) const override { return Value(combos, nIDC); }
    void SetComboIndex(int nIDC, int nIndex) override { combos[nIDC] = nIndex; }
    int GetRadioIndex(int nIDC) const override { return Value(radios, nIDC); }
    void SetRadioIndex(int nIDC, int nIndex) override { radios[nIDC] = nIndex; }
    void EndDialog(int nResult) override {
        ended = true;
        result = nResult;
    }

    std::map<int, int> combos;
    std::map<int, int> radios;
    bool ended = false;
    int result = 0;

private:
    static int Value(const std::map<int, int>& values, int nIDC) {
        auto it = values.find(nIDC);
        return it == values.end() ? -1 : it->second;
    }
};

// Installs itself as the modal runner for its lifetime. The user's actions are a function
// that gets the dialog and its controls (already initialised from the dialog's members) and
// presses buttons through dialog.OnCommand.
class ScriptedModalRunner final : public IModalRunner {
public:
    using Script = std::function<void(CDialog&, FakeDialogSite&)>;

    explicit ScriptedModalRunner(Script script = {}) : m_script(std::move(script)) {
        m_previous = CDialog::SetModalRunner(this);
    }
    ~ScriptedModalRunner() override { CDialog::SetModalRunner(m_previous); }
    ScriptedModalRunner(const ScriptedModalRunner&) = delete;
    ScriptedModalRunner& operator=(const ScriptedModalRunner&) = delete;

    void SetScript(Script script) { m_script = std::move(script); }

    int RunModal(CDialog& dialog) override {
        ++runs;
        FakeDialogSite site;
        dialog.AttachSite(&site);
        dialog.OnInitDialog();
        lastInitial = site;
        if (m_script)
            m_script(dialog, site);
        // A script that presses nothing leaves the dialog to be closed like Escape.
        if (!site.ended)
            dialog.OnCommand(IDCANCEL);
        dialog.AttachSite(nullptr);
        return site.result;
    }

    int runs = 0;
    FakeDialogSite lastInitial; // the controls as the dialog opened

private:
    Script m_script;
    IModalRunner* m_previous = nullptr;
};
