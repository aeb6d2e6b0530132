// Draws the program's SVG icon as a square PNG of a given side, for the
// desktops and software centres that want fixed sizes beside the scalable
// icon. Run by the build: quendaro_render_icon <icon.svg> <side> <icon.png>.

#include <QImage>
#include <QPainter>
#include <QString>
#include <QSvgRenderer>
#include <cstdio>
#include <cstdlib>

int main(int argc, char* argv[]) {
  if (argc != 4) {
    std::fprintf(stderr, "usage: %s <icon.svg> <side> <icon.png>\n", argv[0]);
    return 2;
  }
  const QString source = QString::fromLocal8Bit(argv[1]);
  const QString target = QString::fromLocal8Bit(argv[3]);
  char* end = nullptr;
  const long side = std::strtol(argv[2], &end, 10);
  if (end == argv[2] || *end != '\0' || side < 16 || side > 1024) {
    std::fprintf(stderr, "the side is a number of pixels from 16 to 1024\n");
    return 2;
  }

  QSvgRenderer renderer(source);
  if (!renderer.isValid()) {
    std::fprintf(stderr, "cannot read %s\n", argv[1]);
    return 1;
  }
  const int pixels = static_cast<int>(side);
  QImage image(pixels, pixels, QImage::Format_ARGB32_Premultiplied);
  image.fill(Qt::transparent);
  {
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    renderer.render(&painter, QRectF(0, 0, pixels, pixels));
  }
  if (!image.save(target, "PNG")) {
    std::fprintf(stderr, "cannot write %s\n", argv[3]);
    return 1;
  }
  return 0;
}
