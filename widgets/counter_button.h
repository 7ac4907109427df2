// A tiny text button that steps through a list of labels on each click.
#pragma once

#include <QPushButton>
#include <QStringList>

class counter_button : public QPushButton {
    Q_OBJECT
public:
    // Starts at index 0 in the dark look.
    explicit counter_button(const QStringList& texts, QWidget* parent = nullptr);

    // Shows the label at index; an index outside the labels (a value edited
    // by hand in the settings file) is taken as 0. Reports nothing.
    void setIndex(int index);
    int index() const { return index_; }

    static QString DarkSheet();
    static QString LightSheet();

public slots:
    void SetDark(bool dark);
    // Steps to the next label, wrapping to the first, and reports it.
    void onButtonClicked();

signals:
    void indexChanged(int index);

private:
    int index_ = 0;
    QStringList texts_;
};
