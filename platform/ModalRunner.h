// Runs dialogs modally. The application installs the windowing system's runner; tests install
// a scripted one.
#pragma once

class CDialog;

class IModalRunner {
public:
    virtual ~IModalRunner() = default;

    // Shows the dialog built from its template, lets it initialise, runs it until it calls
    // EndDialog and returns that result.
    virtual int RunModal(CDialog& dialog) = 0;
};
