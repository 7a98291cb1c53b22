#include "common/test_main.h"

#include "resources/pictures.h"
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
    }
    void damagedDataFailsWithoutEndingTheProgram()
    {
        QFETCH(QByteArray, data);
        QString error;
        const QImage img = tk::decodeJpeg(data, &error);
        QVERIFY(img.isNull());
        QVERIFY(!error.isEmpty());
    }

    void truncatedImageDataStillDecodes()
    {
        // libjpeg pads a picture whose data ends early; that is a warning,
        // not a failure.
        const QByteArray bytes = titleBytes();
        const QImage img = tk::decodeJpeg(bytes.left(bytes.size() / 2));
        QCOMPARE(img.size(), QSize(1200, 816));
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
