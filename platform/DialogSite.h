// The platform side of a running dialog: its controls' values, and a way to end it.
#pragma once

class IDialogSite {
public:
    virtual ~IDialogSite() = default;

    // The selected position of a combo box, -1 for none.
    virtual int GetComboIndex(int nIDC) const = 0;
    virtual void SetComboIndex(int nIDC, int nIndex) = 0;
    // The position of the checked button in the radio group starting at nIDC, -1 for none.
    virtual int GetRadioIndex(int nIDC) const = 0;
    virtual void SetRadioIndex(int nIDC, int nIndex) = 0;
    virtual void EndDialog(int nResult) = 0;
};
