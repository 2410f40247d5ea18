// SPDX-License-Identifier: GPL-3.0-or-later
// Writes the Fusion style's picture of a group's frame as C++ data, so that the program draws
// the frame around the equation types without reading a picture file at start-up (the first
// picture read costs Qt a search for its image plugins). Where this Qt has no such picture
// the data is empty, and the style draws the frame itself.
//
//     balvo_rammebilde FILE
#include <QFile>
#include <QImage>
#include <QStyleFactory>
#include <QTextStream>
#include <cstdio>

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "bruk: balvo_rammebilde FIL\n");
        return 2;
    }
    // Qt Widgets, and the pictures of its styles with it, are loaded.
    (void)QStyleFactory::keys();
    QImage bilde(QStringLiteral(":/qt-project.org/styles/commonstyle/images/fusion_groupbox.png"));
    // As a picture file becomes a pixmap on the screen.
    bilde = bilde.convertToFormat(QImage::Format_ARGB32_Premultiplied);
    QFile fil(QString::fromLocal8Bit(argv[1]));
    if (!fil.open(QIODevice::WriteOnly | QIODevice::Truncate)) {
        std::fprintf(stderr, "balvo_rammebilde: kunne ikke skrive %s\n", argv[1]);
        return 1;
    }
    QTextStream ut(&fil);
    ut << "// Written by balvo_rammebilde from the Fusion style's fusion_groupbox.png.\n"
       << "constexpr int rammebilde_bredde = " << bilde.width() << ";\n"
       << "constexpr int rammebilde_hoeyde = " << bilde.height() << ";\n"
       << "alignas(4) constexpr std::uint32_t rammebilde_data[] = {";
    int n = 0;
    for (int y = 0; y < bilde.height(); ++y) {
        const auto* rad = reinterpret_cast<const QRgb*>(bilde.constScanLine(y));
        for (int x = 0; x < bilde.width(); ++x)
            ut << (n++ % 8 ? " " : "\n    ") << "0x" << Qt::hex << rad[x] << Qt::dec << "u,";
    }
    if (n == 0) ut << "0u";
    ut << "\n};\n";
    return ut.status() == QTextStream::Ok ? 0 : 1;
}
