#pragma once

#include "toolkit/form.h"

namespace tk {
class Panel;
}

// The information window: recommended screen settings, the acknowledgement,
// the author line and the place and date of the program.
class TFormInfo : public tk::Form {
    Q_OBJECT
public:
    TFormInfo();
    void formCreate() override;

    void Ende1Click();
    void ESC1Click();

    // The window has no drawing: Ctrl+C copies its client area as shown.
    QImage copiedPicture() override;

    tk::Panel* panel() const { return m_panel; }

private:
    tk::Panel* m_panel;
};

extern TFormInfo* FormInfo;
