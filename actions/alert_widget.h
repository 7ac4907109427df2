// The short notice that rises over the top of a window for a confirmation
// ("已选择显示文本" and the like) and fades away after about 3.5 seconds.
#pragma once

#include "actions/notice_fade.h"

#include <QString>
#include <QTimer>
#include <QWidget>

class alert_widget : public QWidget {
    Q_OBJECT
public:
    // A child of parent, placed and started at once.
    alert_widget(QWidget* parent, const QString& text, bool dark);

    // Shows a notice over window, replacing the one it showed before, so a
    // window never stacks notices. Returns the new notice (owned by window).
    static alert_widget* Show(QWidget* window, const QString& text, bool dark);

    // A theme switched while the notice is up: it fades out in the new one.
    void SetDark(bool dark);
    bool dark() const { return dark_; }

    // One 50 ms step of the rise and fall; the notice's timer calls it.
    void Tick();

    const QString& text() const { return text_; }
    const notice_fade& fade() const { return fade_; }

    static constexpr int notice_width = 320;
    static constexpr int notice_height = 38;
    static constexpr int top_offset = 10;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    void Place();

    QString text_;
    bool dark_;
    notice_fade fade_;
    QTimer timer_;
};
