#pragma once

#include "toolkit/form.h"

#include <vector>

namespace tk {
class Canvas;
class PaintBox;
}

// The hub: its menu opens every topic window, grouped by test method; its
// client area shows the overview table of the methods, their standards and
// the characteristic values they determine.
class TFormMPUeber : public tk::Form {
    Q_OBJECT
public:
    TFormMPUeber();
    void formCreate() override;

    void Ende1Click();
    void ESC1Click();

    tk::PaintBox* paintBox() const { return m_paintBox; }
    double horizontalFactor() const { return m_horizontalFactor; }
    double verticalFactor() const { return m_verticalFactor; }

    struct Topic {
        const char* caption;
        const char* item;       // name of the menu item
        tk::Form* (*window)();  // the window it opens; null where this build has none
    };
    struct TopicMenu {
        const char* caption;
        const char* name;
        std::vector<Topic> topics;
    };
    static const std::vector<TopicMenu>& topicMenus();

private:
    void PaintBoxHauptPaint();
    void showTopic(const Topic& topic);

    tk::PaintBox* m_paintBox;
    double m_horizontalFactor = 1.0;
    double m_verticalFactor = 1.0;
};

namespace app {

// The overview table, drawn on a canvas of 800 x 550 pixels.
void paintOverview(tk::Canvas& canvas, double horizontalFactor, double verticalFactor);

}

extern TFormMPUeber* FormMPUeber;
