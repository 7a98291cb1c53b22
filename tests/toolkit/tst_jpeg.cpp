#include "common/test_main.h"

#include "resources/decoded_pictures.h"
#include "resources/pictures.h"
#include "toolkit/controls.h"
#include "toolkit/jpeg.h"

#include <QBuffer>
#include <QFile>

class JpegTest : public QObject {
    Q_OBJECT

    static QByteArray titleBytes()
    {
        QFile f(pictures::titleFracture());
        return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
    }

    static QByteArray encode(const QImage& image)
    {
        QByteArray bytes;
        QBuffer buffer(&bytes);
        buffer.open(QIODevice::WriteOnly);
        image.save(&buffer, "JPG", 90);
        return bytes;
    }

    static QByteArray smallJpeg()
    {
        QImage source(16, 8, QImage::Format_RGB32);
        source.fill(Qt::gray);
        return encode(source);
    }

    // The JPEG with the size in its frame header changed.
    static QByteArray withSize(QByteArray jpeg, int width, int height)
    {
        const qsizetype frame = jpeg.indexOf("\xFF\xC0");
        if (frame < 0)
            return {};
        jpeg[frame + 5] = char(height >> 8);
        jpeg[frame + 6] = char(height & 0xFF);
        jpeg[frame + 7] = char(width >> 8);
        jpeg[frame + 8] = char(width & 0xFF);
        return jpeg;
    }

private slots:
    void decodesTheTitlePicture()
    {
        QString error;
        const QImage img = tk::loadJpegResource(pictures::titleFracture(), &error);
        QVERIFY2(!img.isNull(), qPrintable(error));
        QCOMPARE(img.size(), QSize(1200, 816));
        QCOMPARE(img.format(), QImage::Format_RGB32);
        // A green-toned picture: green dominates on average.
        qint64 r = 0, g = 0, b = 0;
        for (int y = 0; y < img.height(); y += 16)
            for (int x = 0; x < img.width(); x += 16) {
                const QRgb p = img.pixel(x, y);
                r += qRed(p);
                g += qGreen(p);
                b += qBlue(p);
            }
        QVERIFY(g > r && g > b);
    }

    void decodesWhatQtWrote()
    {
        // A picture with known colours, written as JPEG by Qt's own writer.
        QImage source(64, 32, QImage::Format_RGB32);
        source.fill(QColor(200, 40, 40));
        QByteArray bytes;
        QBuffer buffer(&bytes);
        buffer.open(QIODevice::WriteOnly);
        QVERIFY(source.save(&buffer, "JPG", 95));
        const QImage img = tk::decodeJpeg(bytes);
        QCOMPARE(img.size(), QSize(64, 32));
        const QRgb p = img.pixel(30, 15);
        QVERIFY(qAbs(qRed(p) - 200) < 8 && qAbs(qGreen(p) - 40) < 8 && qAbs(qBlue(p) - 40) < 8);
    }

    void damagedDataFailsWithoutEndingTheProgram_data()
    {
        QTest::addColumn<QByteArray>("data");
        QTest::newRow("empty") << QByteArray();
        QTest::newRow("not a JPEG") << QByteArray("this is no picture at all");
        QTest::newRow("only the start marker") << QByteArray("\xFF\xD8\xFF", 3);
        QTest::newRow("header cut short") << titleBytes().left(100);
        // libjpeg would fill the missing rest with grey and only warn.
        QTest::newRow("picture data cut short") << titleBytes().left(700);
        QTest::newRow("half the picture") << titleBytes().left(titleBytes().size() / 2);
        // A small file whose header asks for gigabytes must not get them.
        QTest::newRow("header claims 30720 x 39424") << withSize(smallJpeg(), 30720, 39424);
        QTest::newRow("header claims 4097 x 8") << withSize(smallJpeg(), 4097, 8);
    }
    void damagedDataFailsWithoutEndingTheProgram()
    {
        QFETCH(QByteArray, data);
        QString error;
        const QImage img = tk::decodeJpeg(data, &error);
        QVERIFY(img.isNull());
        QVERIFY(!error.isEmpty());
    }

    void decodesUpToTheLargestAllowedSize()
    {
        QImage source(tk::maxJpegSide, 16, QImage::Format_RGB32);
        source.fill(Qt::white);
        QCOMPARE(tk::decodeJpeg(encode(source)).size(), source.size());
    }

    // The title picture comes decoded with the program: the same pixels the
    // decoder gives, shown where they lie, and no other picture does.
    void titlePictureIsDecodedByTheBuild()
    {
        const auto built = pictures::decodedAtBuild(pictures::titleFracture());
        QVERIFY(built);
        tk::Picture title(nullptr, QStringLiteral("Image1"), pictures::titleFracture());
        title.prefetch();
        QCOMPARE(title.image().constBits(), built->bits);
        QCOMPARE(title.image(), tk::loadJpegResource(pictures::titleFracture()));
        QVERIFY(!pictures::decodedAtBuild(pictures::vickersTester()));
    }

    void readsOnlyWholePixelFiles_data()
    {
        const uchar pixels[3 * 2 * 4] = {1, 2, 3, 255};
        const QByteArray whole = pictures::packDecodedPixels({pixels, 3, 2});
        QByteArray otherMark = whole;
        otherMark[0] = 'X';
        QTest::addColumn<QByteArray>("file");
        QTest::addColumn<bool>("read");
        QTest::newRow("whole") << whole << true;
        QTest::newRow("other mark") << otherMark << false;
        QTest::newRow("a byte short") << whole.chopped(1) << false;
        QTest::newRow("a byte over") << whole + 'x' << false;
        QTest::newRow("header only") << whole.left(16) << false;
        QTest::newRow("no width") << pictures::packDecodedPixels({pixels, 0, 2}) << false;
        QByteArray huge = whole;
        huge[8] = huge[9] = huge[10] = huge[11] = char(0xFF);
        QTest::newRow("width beyond the decoder's") << huge << false;
    }
    void readsOnlyWholePixelFiles()
    {
        QFETCH(QByteArray, file);
        QFETCH(bool, read);
        const auto pixels = pictures::readDecodedPixels(reinterpret_cast<const uchar*>(file.constData()), file.size());
        QCOMPARE(bool(pixels), read);
        if (read) {
            QCOMPARE(QSize(pixels->width, pixels->height), QSize(3, 2));
            QCOMPARE(pixels->bits[3], uchar(255));
        }
    }

    void missingResourceFails()
    {
        QString error;
        QVERIFY(tk::loadJpegResource(QStringLiteral(":/pictures/none.jpg"), &error).isNull());
        QVERIFY(!error.isEmpty());
    }
};

REGISTER_TEST(JpegTest)
#include "tst_jpeg.moc"
