// Build-time tool: writes the program's icon into a hicolor theme folder, the two small sizes
// converted from the program's own pictures, the larger ones and the scalable one drawn from
// the same design. Usage: zeltaro_icon_painter ICON-32.xpm ICON-16.xpm OUTPUT-FOLDER
#include <QColor>
#include <QDir>
#include <QFile>
#include <QImage>
#include <QPainter>
#include <QString>

#include <cstdio>
#include <vector>

namespace {

const char kIconName[] = "org.zeltaro.Zeltaro";

// The 32 pixel picture as shapes on a 32 by 32 grid: a board in a black frame, three rows of
// three discs with a black rim, the top right one already taken.
constexpr double kGrid = 32.0;
constexpr double kLine = 1.0;       // frame and rims
constexpr double kDiscRadius = 4.0; // to the outside of the rim
const double kDiscCentres[] = {7.0, 16.0, 25.0};
const QColor kBoard(255, 255, 255);
const QColor kItem(128, 128, 128);
const QColor kInk(0, 0, 0);

struct Disc {
    double cx;
    double cy;
    QColor fill;
};

std::vector<Disc> Discs() {
    std::vector<Disc> discs;
    for (int row = 0; row < 3; ++row) {
        for (int col = 0; col < 3; ++col) {
            const bool taken = row == 0 && col == 2;
            discs.push_back({kDiscCentres[col], kDiscCentres[row], taken ? kBoard : kItem});
        }
    }
    return discs;
}

// Lines are centred on their path, so every outline is drawn half a line inside its shape.
QImage Drawn(int size) {
    QImage image(size, size, QImage::Format_ARGB32);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing, true);
    painter.scale(size / kGrid, size / kGrid);
    painter.setPen(QPen(kInk, kLine));
    painter.setBrush(kBoard);
    const double half = kLine / 2;
    painter.drawRect(QRectF(half, half, kGrid - kLine, kGrid - kLine));
    const double r = kDiscRadius - half;
    for (const Disc& d : Discs()) {
        painter.setBrush(d.fill);
        painter.drawEllipse(QPointF(d.cx, d.cy), r, r);
    }
    return image;
}

QString Svg() {
    const double half = kLine / 2;
    QString svg = QStringLiteral(R"(<?xml version="1.0" encoding="UTF-8"?>
<svg xmlns="http://www.w3.org/2000/svg" width="%1" height="%1" viewBox="0 0 %1 %1">
  <rect x="%2" y="%2" width="%3" height="%3" fill="%4" stroke="%5" stroke-width="%6"/>
)")
                      .arg(kGrid)
                      .arg(half)
                      .arg(kGrid - kLine)
                      .arg(kBoard.name(), kInk.name())
                      .arg(kLine);
    for (const Disc& d : Discs()) {
        svg += QStringLiteral(
                   R"(  <circle cx="%1" cy="%2" r="%3" fill="%4" stroke="%5" stroke-width="%6"/>
)")
                   .arg(d.cx)
                   .arg(d.cy)
                   .arg(kDiscRadius - half)
                   .arg(d.fill.name(), kInk.name())
                   .arg(kLine);
    }
    return svg + QStringLiteral("</svg>\n");
}

QString IconPath(const QDir& theme, const QString& sizeFolder, const char* extension) {
    const QString folder = sizeFolder + QStringLiteral("/apps");
    theme.mkpath(folder);
    return theme.filePath(folder + QLatin1Char('/') + QLatin1String(kIconName) +
                          QLatin1String(extension));
}

bool WritePng(const QDir& theme, const QImage& image) {
    const QString size = QStringLiteral("%1x%1").arg(image.width());
    return image.convertToFormat(QImage::Format_ARGB32).save(IconPath(theme, size, ".png"), "PNG");
}

bool WriteSvg(const QDir& theme) {
    QFile file(IconPath(theme, QStringLiteral("scalable"), ".svg"));
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate))
        return false;
    return file.write(Svg().toUtf8()) > 0;
}

// The small sizes are the program's own pictures, pixel for pixel.
bool ConvertOwn(const QDir& theme, const char* xpm, int size) {
    const QImage own(QString::fromLocal8Bit(xpm));
    if (own.isNull() || own.width() != size || own.height() != size) {
        std::fprintf(stderr, "zeltaro_icon_painter: %s is not a %d pixel picture\n", xpm, size);
        return false;
    }
    return WritePng(theme, own);
}

} // namespace

int main(int argc, char* argv[]) {
    if (argc != 4) {
        std::fprintf(stderr, "usage: zeltaro_icon_painter ICON-32.xpm ICON-16.xpm OUTPUT-FOLDER\n");
        return 2;
    }
    const QDir theme(QString::fromLocal8Bit(argv[3]));
    bool ok = ConvertOwn(theme, argv[1], 32) && ConvertOwn(theme, argv[2], 16);
    for (int size : {48, 64, 128, 256})
        ok = ok && WritePng(theme, Drawn(size));
    ok = ok && WriteSvg(theme);
    if (!ok)
        std::fprintf(stderr, "zeltaro_icon_painter: cannot write the icons into %s\n", argv[3]);
    return ok ? 0 : 1;
}
