// Each input window shows a sketch of its own kind of spring.

#include "CadFormTest.h"

#include <QLabel>
#include <QPixmap>

namespace {

using Sketches = CadFormTest;

TEST_F(Sketches, EachWindowShowsAPictureOfItsOwn) {
    const char* windows[][2] = {{"CadCompressionForm", "Image1"},
                                {"CadConicalForm", "Picture1"},
                                {"CadBarrelForm", "Image1"},
                                {"CadExtensionForm", "Image1"},
                                {"CadTorsionForm", "Image1"}};
    std::vector<QImage> images;
    for (const auto& [window, picture] : windows) {
        FormBase* form = open(QString::fromLatin1(window));
        const auto* label = form->findChild<QLabel*>(QString::fromLatin1(picture));
        ASSERT_NE(label, nullptr) << window;
        const QPixmap pixmap = label->pixmap();
        ASSERT_FALSE(pixmap.isNull()) << window;
        EXPECT_GE(pixmap.height(), 200) << window;
        images.push_back(pixmap.toImage());
    }
    for (size_t i = 0; i < images.size(); ++i)
        for (size_t j = i + 1; j < images.size(); ++j)
            EXPECT_NE(images[i], images[j]) << windows[i][0] << " and " << windows[j][0];
}

} // namespace
