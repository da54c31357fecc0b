// chromanick_prerender OUTPUT RATIOS (RESOURCE FILE WIDTHxHEIGHT)...
// Run while building: draws each SVG picture FILE at WIDTH × HEIGHT pixels,
// exactly as the program would draw it, once for each of the RATIOS device
// pixels per pixel (e.g. "1,2"), and writes one set of pictures drawn ahead
// (ui/widgets/prerendered.h) per ratio, one after the other in that order, under
// their resource names.
#include "ui/widgets/prerendered.h"
#include "ui/widgets/svgpicture.h"

#include <QFile>
#include <QGuiApplication>
#include <QSaveFile>

#include <cstdio>

int main(int argc, char** argv) {
    // Drawing needs no screen.
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    const QStringList args = app.arguments();
    if (args.size() < 3 || (args.size() - 3) % 3 != 0) {
        std::fprintf(stderr, "usage: %s OUTPUT RATIOS (RESOURCE FILE WIDTHxHEIGHT)...\n", argv[0]);
        return 2;
    }
    QByteArray sets;
    for (const QString& ratioText : args[2].split(QLatin1Char(','))) {
        const int ratio = ratioText.toInt();
        if (ratio < 1) {
            std::fprintf(stderr, "ratio invalide : %s\n", qPrintable(ratioText));
            return 2;
        }
        QList<chromanick::PrerenderedPicture> pictures;
        for (qsizetype i = 3; i + 2 < args.size(); i += 3) {
            const QStringList size = args[i + 2].split(QLatin1Char('x'));
            const QSize logical(size.value(0).toInt(), size.value(1).toInt());
            const QImage image = chromanick::renderSvgPicture(args[i + 1], logical, ratio);
            if (image.isNull()) {
                std::fprintf(stderr, "image illisible : %s\n", qPrintable(args[i + 1]));
                return 1;
            }
            pictures.append({args[i], logical, image});
        }
        sets += chromanick::encodePrerendered(ratio, pictures);
    }
    QSaveFile out(args[1]);
    if (!out.open(QIODevice::WriteOnly) || out.write(sets) < 0 || !out.commit()) {
        std::fprintf(stderr, "écriture impossible : %s\n", qPrintable(args[1]));
        return 1;
    }
    return 0;
}
