#pragma once

#include "indentation_form.h"
#include "vickers_scene.h"

// The Vickers measurement window: the animated indentation beside an
// explanatory text, and the way to the Vickers calculator.
class TFormVickers : public hardness::IndentationForm {
    Q_OBJECT
public:
    TFormVickers();
    void formCreate() override;

    // Menu handlers of this window
    void RechnungClick();
    void Berechnungsgrundlage1Click();

    hardness::VickersScene& scene() { return m_scene; }

    static QStringList explanation();

protected:
    hardness::IndentationScene& indentationScene() override { return m_scene; }

private:
    hardness::VickersScene m_scene;
};

extern TFormVickers* FormVickers;
