#include "common/EndForms.h"

namespace endforms {

const std::array<EndForm, 5>& all() {
    static const std::array<EndForm, 5> forms{{
        {"YI", "两端圈并紧并磨平", Coiling::Cold, "1~2.5", "2", ":/pictures/expert/endform_yi.svg", true},
        {"YII", "两端圈并紧不磨", Coiling::Cold, "1.5~2", "1.5", ":/pictures/expert/endform_yii.svg", false},
        {"YIII", "两端圈不并紧", Coiling::Cold, "0~1", "0", ":/pictures/expert/endform_yiii.svg", false},
        {"RYI", "两端圈并紧并磨平", Coiling::Hot, "1.5~2.5", "1.5", ":/pictures/expert/endform_ryi.svg",
         true},
        {"RYII", "两端圈制扁并紧磨平或不磨", Coiling::Hot, "1.5~2.5", "1.5",
         ":/pictures/expert/endform_ryii.svg", true},
    }};
    return forms;
}

const EndForm* find(QStringView code) {
    for (const EndForm& form : all())
        if (code == QLatin1String(form.code))
            return &form;
    return nullptr;
}

double solidHeight(const EndForm& form, double totalCoils, double wireDiameter) {
    if (form.groundEnds)
        return (totalCoils + 1.0 - 1.5) * wireDiameter;
    return (totalCoils + 1.0) * wireDiameter;
}

} // namespace endforms
