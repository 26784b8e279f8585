#pragma once
// Form58: adds a user to the user table. A name already held is refused.

#include "common/ui/FormBase.h"
#include "shell/UserAccounts.h"

class Form58 : public FormBase {
    Q_OBJECT
public:
    Form58();

private:
    void addUser();
    void store(const QString& name, const QString& passwordHash);

    UserStore store_;
};
