#pragma once
// Form59: sets a new password for a user of the user table.

#include "common/ui/FormBase.h"
#include "shell/UserAccounts.h"

class Form59 : public FormBase {
    Q_OBJECT
public:
    Form59();

protected:
    bool event(QEvent* event) override;

private:
    void changePassword();
    void store(const QString& name, const QString& passwordHash);

    UserStore store_;
};
