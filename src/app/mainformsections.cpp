// The main window's collapsible sections: "Output", "Video", "Audio", "Advanced".
#include "app/mainform.h"

#include "profiles/gridsection.h"

#include <QEvent>
#include <QToolButton>

namespace {

// Runs a handler on a double click on a section's header panel.
class HeaderDoubleClick : public QObject
{
public:
    HeaderDoubleClick(QWidget *header, std::function<void()> handler)
        : QObject(header)
        , m_handler(std::move(handler))
    {
        header->installEventFilter(this);
    }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (event->type() == QEvent::MouseButtonDblClick) {
            m_handler();
            return true;
        }
        return QObject::eventFilter(watched, event);
    }

private:
    std::function<void()> m_handler;
};

} // namespace

void TMainForm::bindSectionHandlers()
{
    const struct
    {
        QWidget *header;
        QToolButton *button;
        void (TMainForm::*handler)();
    } sections[] = {{panOutput, btnOutput, &TMainForm::btnOutputClick},
                    {panVideo, btnVideo, &TMainForm::btnVideoClick},
                    {panAudio, btnAudio, &TMainForm::btnAudioClick},
                    {panAdvanced, btnAdvanced, &TMainForm::btnAdvancedClick}};
    for (const auto &section : sections) {
        connect(section.button, &QToolButton::clicked, this, section.handler);
        new HeaderDoubleClick(section.header,
                              [this, handler = section.handler] { (this->*handler)(); });
    }
}

void TMainForm::btnOutputClick()
{
    ToggleSection(btnOutput, vleOutput);
}

void TMainForm::btnVideoClick()
{
    ToggleSection(btnVideo, vleVideo);
}

void TMainForm::btnAudioClick()
{
    ToggleSection(btnAudio, vleAudio);
}

void TMainForm::btnAdvancedClick()
{
    ToggleSection(btnAdvanced, vleAdvanced);
}
