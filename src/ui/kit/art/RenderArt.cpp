// Draws one of the program's SVG pictures at a given size in pixels, as the
// windows draw it: on a transparent ground, antialiased, filling the size.
// Run by the build, for the icon's fixed sizes (a PNG) and for the pictures
// drawn ahead of time (a .argb file: the pixels as the program paints them,
// premultiplied ARGB in the byte order of the machine that builds, which is
// the one that runs them, with nothing to decode):
//
//   quendaro_render_art <picture.svg> <width>x<height> <picture.png|.argb>

#include <QImage>
#include <QPainter>
#include <QSaveFile>
#include <QString>
#include <QSvgRenderer>
#include <cstdio>
#include <cstdlib>

namespace {

// A side of 1 to 4096 pixels, or 0 for a text that is not one.
int Side(const char* text, const char** end) {
  char* stop = nullptr;
  const long side = std::strtol(text, &stop, 10);
  *end = stop;
  if (stop == text || side < 1 || side > 4096) return 0;
  return static_cast<int>(side);
}

}  // namespace

int main(int argc, char* argv[]) {
  if (argc != 4) {
    std::fprintf(stderr,
                 "usage: %s <picture.svg> <width>x<height> "
                 "<picture.png|.argb>\n",
                 argv[0]);
    return 2;
  }
  const char* end = nullptr;
  const int width = Side(argv[2], &end);
  const int height = *end == 'x' ? Side(end + 1, &end) : 0;
  if (width == 0 || height == 0 || *end != '\0') {
    std::fprintf(stderr,
                 "the size is <width>x<height>, each 1 to 4096 pixels\n");
    return 2;
  }

  QSvgRenderer renderer(QString::fromLocal8Bit(argv[1]));
  if (!renderer.isValid()) {
    std::fprintf(stderr, "cannot read %s\n", argv[1]);
    return 1;
  }
  QImage image(width, height, QImage::Format_ARGB32_Premultiplied);
  image.fill(Qt::transparent);
  {
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    renderer.render(&painter, QRectF(image.rect()));
  }
  const QString target = QString::fromLocal8Bit(argv[3]);
  bool written = false;
  if (target.endsWith(QStringLiteral(".argb"))) {
    QSaveFile file(target);
    written = file.open(QIODevice::WriteOnly) &&
              file.write(reinterpret_cast<const char*>(image.constBits()),
                         image.sizeInBytes()) == image.sizeInBytes() &&
              file.commit();
  } else {
    written = image.save(target, "PNG");
  }
  if (!written) {
    std::fprintf(stderr, "cannot write %s\n", argv[3]);
    return 1;
  }
  return 0;
}
