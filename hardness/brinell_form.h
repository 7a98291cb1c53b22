#pragma once

#include "brinell_scene.h"
#include "indentation_form.h"

// The Brinell measurement window: the animated indentation beside an
// explanatory text, and the way to the Brinell calculator.
class TFormBrinell : public hardness::IndentationForm {
    Q_OBJECT
public:
    TFormBrinell();
    void formCreate() override;

    // Menu handlers of this window
    void BerechnungderBrinellwerte1Click();
    void Berechnungsgrundlagen1Click();

    hardness::BrinellScene& scene() { return m_scene; }

    static QStringList explanation();

protected:
    hardness::IndentationScene& indentationScene() override { return m_scene; }

private:
    hardness::BrinellScene m_scene;
};

extern TFormBrinell* FormBrinell;
