#pragma once
// frmLogin1: the sign-in window. The right password opens the main window with the user's
// name in its caption; the fourth wrong one in the same window ends the program.

#include "common/ui/FormBase.h"
#include "shell/UserAccounts.h"

class frmLogin1 : public FormBase {
    Q_OBJECT
public:
    frmLogin1();

    QString loginUserName() const { return loginUserName_; }

protected:
    bool event(QEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void signIn();
    void accept(const QString& name);
    void refuse();

    UserStore store_;
    QString loginUserName_;
    int loginFailureCount_ = 0;
};
