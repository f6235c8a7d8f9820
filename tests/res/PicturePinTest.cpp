// Every picture at scale 1 is held to the exact pixels it has always had: a checksum per picture.
#include "Pictures.h"

#include <QCryptographicHash>
#include <QIcon>
#include <gtest/gtest.h>

namespace {

// The colours row by row, whatever the image's format, so that only what the player sees counts.
QByteArray Checksum(const QImage& picture)
{
    QCryptographicHash hash(QCryptographicHash::Sha1);
    const QByteArray size = QByteArray::number(picture.width()) + 'x' + QByteArray::number(picture.height());
    hash.addData(size);
    for (int y = 0; y < picture.height(); ++y)
        for (int x = 0; x < picture.width(); ++x) {
            const QRgb colour = picture.pixel(x, y);
            const char bytes[3] = {char(qRed(colour)), char(qGreen(colour)), char(qBlue(colour))};
            hash.addData(QByteArrayView(bytes, 3));
        }
    return hash.result().toHex().left(16);
}

struct Pinned {
    const char* picture; // a picture name, or a menu picture number
    const char* checksum;
};

const Pinned pinned[] = {
    {"IDB_NORTH_U", "37dc517147a3edba"},
    {"IDB_NORTH_D", "b3eb9d42d4ecef93"},
    {"IDB_NORTH_F", "8fc483139468192f"},
    {"IDB_NORTH_X", "37dc517147a3edba"},
    {"IDB_RED_NORTH_X", "af7cb99c6e90bba1"},
    {"IDB_RED_NORTH_F", "b13d0ef5eba46a53"},
    {"IDB_EAST_U", "b700f06483d0c508"},
    {"IDB_EAST_D", "abe20e0ea5c878c2"},
    {"IDB_EAST_F", "52e27e89a4b2900c"},
    {"IDB_EAST_X", "b700f06483d0c508"},
    {"IDB_RED_EAST_X", "8ddf80d9a45ec6a1"},
    {"IDB_RED_EAST_F", "688c395003f95dbc"},
    {"IDB_SOUTH_U", "05eaecaeb4ab4480"},
    {"IDB_SOUTH_D", "01df692bedacc41d"},
    {"IDB_SOUTH_F", "d8344c7c3ea39282"},
    {"IDB_SOUTH_X", "05eaecaeb4ab4480"},
    {"IDB_RED_SOUTH_X", "f1491e8bc0377139"},
    {"IDB_RED_SOUTH_F", "cf21d9b975f27f2f"},
    {"IDB_WEST_U", "94cab9114aabf6d1"},
    {"IDB_WEST_D", "b8e079a61ac1d037"},
    {"IDB_WEST_F", "98f7c990c8de8036"},
    {"IDB_WEST_X", "94cab9114aabf6d1"},
    {"IDB_RED_WEST_X", "d1e742173b212f2c"},
    {"IDB_RED_WEST_F", "3679b90e741d3f42"},
    {"IDB_ROUND_U", "f451dbfcacbbac51"},
    {"IDB_ROUND_D", "792a498ab3ace9b8"},
    {"IDB_ROUND_F", "9412b22827ecfcc8"},
    {"IDB_ROUND_X", "f451dbfcacbbac51"},
    {"IDB_RED_ROUND_X", "c3e141feaee25140"},
    {"IDB_RED_ROUND_F", "c85209d72bf1c528"},
    {"IDB_SQUARE_U", "0665c0545e6745c9"},
    {"IDB_SQUARE_D", "252638e79ddf2f92"},
    {"IDB_SQUARE_F", "dcedf7caee89f323"},
    {"IDB_SQUARE_X", "0665c0545e6745c9"},
    {"IDB_RED_SQUARE_X", "f0174039bd64c09e"},
    {"IDB_RED_SQUARE_F", "f785f189904f2c0d"},
    {"IDB_WATER_U", "55ee4f7900157974"},
    {"IDB_WATER_D", "18232011ef434d1f"},
    {"IDB_WATER_F", "e49e6312be3d9b0d"},
    {"IDB_WATER_X", "55ee4f7900157974"},
    {"IDB_RED_WATER_X", "312c303eaae64edb"},
    {"IDB_RED_WATER_F", "fea8eb6523270abf"},
    {"IDB_UNKNOWN_U", "174e03a8397d6d8d"},
    {"IDB_UNKNOWN_D", "d5e16e3541e68912"},
    {"IDB_UNKNOWN_F", "95ae9747bde425ea"},
    {"IDB_UNKNOWN_X", "174e03a8397d6d8d"},
    {"IDB_COUNT_1", "8fc6f2cde7f2523b"},
    {"IDB_COUNT_2", "312f405184710377"},
    {"IDB_COUNT_3", "e683e166015e5caf"},
    {"IDB_COUNT_4", "d07d1a8725f3803c"},
    {"3000", "fb16a5b6d395654e"},
    {"3001", "8955002c36292a97"},
    {"3002", "3cb1b6eef153b68c"},
    {"3003", "18c2834b03765a39"},
    {"3004", "b27bcfe42d31d468"},
    {"3005", "b8a2fd71e9e0aa80"},
    {"3006", "9b01e6c5be1de224"},
    {"3007", "0c2227bb769462e3"},
};

QImage PictureOf(const QString& picture)
{
    bool isNumber = false;
    const int id = picture.toInt(&isNumber);
    return isNumber ? LoadMenuBitmap(id) : LoadBitmap(picture);
}

TEST(PicturesAtScaleOne, KeepTheirExactPixels)
{
    for (const Pinned& p : pinned)
        EXPECT_EQ(Checksum(PictureOf(QString::fromLatin1(p.picture))), QByteArray(p.checksum)) << p.picture;
}

// A screen of ratio 1 gets exactly these pictures.
TEST(PicturesAtScaleOne, AskedForAtRatioOneAreTheSamePictures)
{
    for (const Pinned& p : pinned) {
        const QString name = QString::fromLatin1(p.picture);
        bool isNumber = false;
        const int id = name.toInt(&isNumber);
        const QImage picture = isNumber ? LoadMenuBitmap(id, 1.0) : LoadBitmap(name, 1.0);
        EXPECT_EQ(Checksum(picture), QByteArray(p.checksum)) << p.picture;
    }
}

// The program icon as a window and the About dialog show it at scale 1: the 32-pixel drawing of its design
// and the 16-pixel picture drawn by hand.
TEST(PicturesAtScaleOne, TheProgramIconKeepsItsExactPixels)
{
    const QIcon icon = LoadAppIcon();
    EXPECT_EQ(Checksum(icon.pixmap(QSize(32, 32), 1.0).toImage()), QByteArray("e5d255f8716ff77c"));
    EXPECT_EQ(Checksum(icon.pixmap(QSize(16, 16), 1.0).toImage()), QByteArray("878736d59666672f"));
}

} // namespace
