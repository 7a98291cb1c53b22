#pragma once

#include "toolkit/picture_form.h"

// The photographs of a Vickers hardness tester: the whole tester, which opens
// its three details from its menu; the details stand beside it without
// blocking, any number at a time. A click on a photograph closes its window.
class TFormHVA223 : public tk::PictureForm {
    Q_OBJECT
public:
    TFormHVA223();
    void formCreate() override;

    void Ableseeinrichtung1Click();
    void Prfkraftauflage1Click();
    void PrfkrperundProbe1Click();
};

namespace hardness {

// One detail of the tester; the three differ only in caption and picture.
class VickersDetailForm : public tk::PictureForm {
    Q_OBJECT
public:
    VickersDetailForm(const QString& className, const QString& caption, const QString& picture,
                      const QString& pictureName);
    void formCreate() override;
};

}

class TFormHVA223Lese : public hardness::VickersDetailForm {
    Q_OBJECT
public:
    TFormHVA223Lese();
};

class TFormHVA223Kraft : public hardness::VickersDetailForm {
    Q_OBJECT
public:
    TFormHVA223Kraft();
};

class TFormHVA223Koerper : public hardness::VickersDetailForm {
    Q_OBJECT
public:
    TFormHVA223Koerper();
};

extern TFormHVA223* FormHVA223;
extern TFormHVA223Lese* FormHVA223Lese;
extern TFormHVA223Kraft* FormHVA223Kraft;
extern TFormHVA223Koerper* FormHVA223Koerper;
