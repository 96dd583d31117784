// The guide's pictures that the build drew are those of the windows as they are now.
#include "ShotSession.h"
#include "core/lang/Language.h"
#include "support/TempDir.h"

#include <QDir>
#include <QImage>
#include <QWidget>
#include <gtest/gtest.h>

namespace r5k27 {
namespace {

TEST(ShotsTest, EveryPictureHasTheSizeOfItsWindow) {
    test::TempDir scratch;
    shots::ShotSession session(scratch.path());
    const QDir guide(QStringLiteral(R5K27_GUIDE_DIR));
    for (const auto& [lang, folder] :
         {std::pair{Language::English, "en"}, {Language::Chinese, "zh"}}) {
        for (const shots::ShotInfo& info : shots::allShots()) {
            const QString file =
                QString::fromLatin1(folder) + u'/' + QString::fromLatin1(info.file);
            const QImage picture(guide.filePath(file));
            ASSERT_FALSE(picture.isNull()) << qPrintable(file) << " was not drawn by the build";
            QWidget* window = session.open(info.shot, lang);
            ASSERT_NE(window, nullptr) << qPrintable(file);
            EXPECT_TRUE(window->isVisible()) << qPrintable(file);
            EXPECT_EQ(picture.size(), window->size() * window->devicePixelRatio())
                << qPrintable(file);
            // A picture of an empty area would pass the size check; a drawn window has detail.
            EXPECT_GT(picture.convertToFormat(QImage::Format_Indexed8).colorCount(), 8)
                << qPrintable(file);
        }
    }
}

} // namespace
} // namespace r5k27
