// The account page: account and password fields, the auto-login box, the login and register
// buttons and a status line. Thin: account_session does the work; this applies what it
// reports, on the GUI thread, and runs its two timers.
#pragma once

#include "actions/show_widget.h"
#include "sync/page_change.h"

#include <memory>
#include <QElapsedTimer>
#include <QString>
#include <QTimer>

class account_session;
class sync_link;
class QCheckBox;
class QLabel;
class QLineEdit;
class QPushButton;

class login_widget : public show_widget {
    Q_OBJECT
public:
    // Starts the first login at once: the connection lives as long as the program.
    login_widget(
        QWidget* anchor, sync_link& link, const QString& user_file, const QString& content_folder);
    ~login_widget() override;

    account_session& session() { return *session_; }
    QLabel* status_label() const { return status_; }
    QLineEdit* account_field() const { return account_; }
    QLineEdit* password_field() const { return password_; }
    QCheckBox* auto_box() const { return auto_box_; }
    QPushButton* login_button() const { return login_; }
    QPushButton* register_button() const { return register_; }

    // The status line's text, tooltip and look for a state; refusal is the server's words.
    static QString StatusText(page_change::status shown, const std::string& refusal = {});

public slots:
    // user.json keeps the box's state, then the page fades out.
    void closeWidget() override;

private:
    struct target;
    void BuildControls();
    void Apply(const page_change& change);
    void ShowStatus(page_change::status shown, const std::string& refusal);

    QLabel* status_;
    QLineEdit* account_;
    QLineEdit* password_;
    QCheckBox* auto_box_;
    QPushButton* login_;
    QPushButton* register_;
    std::shared_ptr<target> target_;
    std::shared_ptr<account_session> session_;
    QTimer upload_timer_;
    QTimer forward_timer_;
    QElapsedTimer last_tick_;
};
