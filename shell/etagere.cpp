// Draws the main window's picture, a stock shelf under a rising cost curve, as a 256 x 256 PNG; run at build
// time so that the picture is ours and its source readable.
#include <QImage>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <cstdio>

namespace {

constexpr int kCote = 256;

struct Carton {
    int x, largeur, hauteur;
    QColor couleur;
};

void dessinerCarton(QPainter& p, int x, int planche, const Carton& c) {
    const QRectF face(x + c.x, planche - c.hauteur, c.largeur, c.hauteur);
    QLinearGradient ombre(face.topLeft(), face.topRight());
    ombre.setColorAt(0, c.couleur.lighter(118));
    ombre.setColorAt(1, c.couleur.darker(112));
    p.setPen(QPen(c.couleur.darker(150), 1));
    p.setBrush(ombre);
    p.drawRoundedRect(face, 2, 2);
    // The tape across the lid and a label.
    p.setPen(QPen(c.couleur.darker(135), 2));
    p.drawLine(QPointF(face.center().x(), face.top() + 1), QPointF(face.center().x(), face.top() + c.hauteur / 3.0));
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(250, 246, 236));
    p.drawRect(QRectF(face.left() + 4, face.bottom() - 11, face.width() * 0.45, 6));
}

}  // namespace

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: %s fichier.png\n", argv[0]);
        return 2;
    }
    QImage image(kCote, kCote, QImage::Format_ARGB32_Premultiplied);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);

    QLinearGradient ciel(0, 0, 0, kCote);
    ciel.setColorAt(0, QColor(246, 240, 228));
    ciel.setColorAt(1, QColor(214, 210, 204));
    p.fillRect(image.rect(), ciel);

    // Two uprights and three planks.
    const QColor bois(122, 78, 44);
    const int planches[] = {118, 178, 238};
    p.setPen(Qt::NoPen);
    p.setBrush(bois.darker(115));
    p.drawRect(22, 64, 8, 180);
    p.drawRect(226, 64, 8, 180);
    for (int y : planches) {
        p.setBrush(bois);
        p.drawRect(16, y, 224, 7);
        p.setBrush(bois.darker(140));
        p.drawRect(16, y + 7, 224, 2);
    }

    const QColor rouge(187, 0, 0), ocre(204, 150, 60), ardoise(92, 112, 132), sable(196, 170, 128);
    const Carton rangees[][4] = {
        {{4, 44, 40, ocre}, {52, 36, 30, ardoise}, {94, 52, 46, sable}, {152, 40, 36, rouge}},
        {{4, 56, 48, sable}, {64, 40, 34, rouge}, {108, 44, 42, ocre}, {158, 36, 28, ardoise}},
        {{4, 40, 32, rouge}, {48, 48, 44, ardoise}, {100, 38, 30, ocre}, {142, 54, 50, sable}},
    };
    for (int r = 0; r < 3; ++r)
        for (const Carton& c : rangees[r]) dessinerCarton(p, 30, planches[r], c);

    // The running average cost, climbing over the shelf.
    QPainterPath courbe(QPointF(18, 52));
    courbe.cubicTo(QPointF(70, 54), QPointF(96, 30), QPointF(138, 34));
    courbe.cubicTo(QPointF(176, 37), QPointF(196, 16), QPointF(236, 12));
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(rouge, 4, Qt::SolidLine, Qt::RoundCap));
    p.drawPath(courbe);
    p.setBrush(rouge);
    p.setPen(QPen(QColor(255, 255, 255), 2));
    for (const QPointF point : {QPointF(18, 52), QPointF(138, 34), QPointF(236, 12)}) p.drawEllipse(point, 5, 5);
    p.end();

    return image.save(QString::fromLocal8Bit(argv[1]), "PNG") ? 0 : 1;
}
