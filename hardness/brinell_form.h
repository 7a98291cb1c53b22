#pragma once

#include "brinell_scene.h"
#include "indentation_form.h"

// The Brinell measurement window: the animated indentation beside an
// explanatory text, and the way to the Brinell calculator.
class TFormBrinell : public IndentationForm {
    Q_OBJECT
public:
    TFormBrinell();
    void formCreate() override;

    // Menu handlers of this window
    void BerechnungderBrinellwerte1Click();
    void Berechnungsgrundlagen1Click();

    BrinellScene& scene() { return m_scene; }

    static const QStringList& explanation();

protected:
    IndentationScene& indentationScene() override { return m_scene; }

private:
    BrinellScene m_scene;
};

extern TFormBrinell* FormBrinell;
