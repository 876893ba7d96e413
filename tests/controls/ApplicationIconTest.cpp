#include "controls/ApplicationIcon.h"

#include <QImage>
#include <gtest/gtest.h>

// A picture that does not load leaves the window and the menus with no icon
// at all and no message: the drawing must come out at every size asked for.
TEST(ApplicationIcon, DrawsTheControllerOnAClearGroundAtEverySize)
{
    const QIcon icon = ApplicationIcon();
    ASSERT_FALSE(icon.isNull());
    for (const int size : {16, 24, 48, 256}) {
        SCOPED_TRACE(size);
        const QImage picture = icon.pixmap(size).toImage();
        ASSERT_EQ(picture.size(), QSize(size, size));
        EXPECT_EQ(qAlpha(picture.pixel(size - 1, 0)), 0);
        const QRgb body = picture.pixel(size * 35 / 64, size * 29 / 64);
        EXPECT_EQ(qAlpha(body), 255);
        EXPECT_GT(qBlue(body), qRed(body) + 40);
    }
}
