#pragma once

#include "indentation_form.h"
#include "rockwell_scene.h"

class QAction;

// The Rockwell measurement window: the animated indentation in three load
// stages beside an explanatory text. F1 pauses and continues a run at any
// moment, also while the window takes no other input, and starts a new run
// once the last one has ended.
class TFormRockwell : public hardness::IndentationForm {
    Q_OBJECT
public:
    TFormRockwell();
    void formCreate() override;

    // Menu handler of this window
    void StopClick();

    hardness::RockwellScene& scene() { return m_scene; }
    QAction* stopItem() const { return m_stop; }

    static QStringList explanation();

protected:
    hardness::IndentationScene& indentationScene() override { return m_scene; }

private:
    hardness::RockwellScene m_scene;
    QAction* m_stop;
};

extern TFormRockwell* FormRockwell;
