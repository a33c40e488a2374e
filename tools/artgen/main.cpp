// morvane-artgen <folder of the programs> <contact sheet.png>
// Draws every resource of the client and writes it where the client looks for it.
#include "tools/artgen/Animation.h"
#include "tools/artgen/Catalogue.h"
#include "tools/artgen/ContactSheet.h"
#include "tools/artgen/GifEncoder.h"

#include "res/ResourceIds.h"

#include <QDir>
#include <QFile>
#include <QFontDatabase>
#include <QGuiApplication>
#include <QPainter>

#include <cstdio>
#include <map>
#include <span>

namespace {

using namespace artgen;

QString Folder(std::string_view folder) { return QString::fromUtf8(folder.data(), qsizetype(folder.size())); }

bool WriteBytes(const QString& path, const QByteArray& bytes) {
  QDir().mkpath(QFileInfo(path).path());
  QFile file(path);
  return file.open(QIODevice::WriteOnly | QIODevice::Truncate) && file.write(bytes) == bytes.size();
}

bool WritePng(const QString& path, const QImage& image) {
  QDir().mkpath(QFileInfo(path).path());
  return image.save(path, "PNG");
}

// Every catalogued id drawn once, at its catalogued size, and nothing else.
QString CheckAgainstCatalogue(const char* kind, const std::vector<DrawnImage>& drawn,
                              std::span<const res::SizedResource> catalogue) {
  std::map<int, QSize> sizes;
  for (const DrawnImage& d : drawn)
    if (!sizes.emplace(d.id, d.image.size()).second)
      return QStringLiteral("%1 %2 drawn twice").arg(QLatin1String(kind)).arg(d.id);
  for (const res::SizedResource& r : catalogue) {
    auto it = sizes.find(r.id);
    if (it == sizes.end())
      return QStringLiteral("%1 %2 not drawn").arg(QLatin1String(kind)).arg(r.id);
    if (it->second != QSize(r.width, r.height))
      return QStringLiteral("%1 %2 drawn at the wrong size").arg(QLatin1String(kind)).arg(r.id);
    sizes.erase(it);
  }
  return sizes.empty() ? QString() : QStringLiteral("%1 %2 is not catalogued").arg(QLatin1String(kind)).arg(sizes.begin()->first);
}

std::vector<res::SizedResource> CursorSizes() {
  std::vector<res::SizedResource> sizes;
  for (const auto& c : res::kCursors)
    sizes.push_back({c.id, res::kCursorSize, res::kCursorSize});
  return sizes;
}

} // namespace

int main(int argc, char** argv) {
  QGuiApplication app(argc, argv);
  if (argc != 3) {
    std::fprintf(stderr, "usage: morvane-artgen <output folder> <contact sheet.png>\n");
    return 2;
  }
  // Without these the pictures would silently lose their text and emoji.
  for (const char* family : {"WenQuanYi Zen Hei", "DejaVu Serif", "Noto Color Emoji"})
    if (!QFontDatabase::hasFamily(QString::fromLatin1(family))) {
      std::fprintf(stderr, "morvane-artgen: font \"%s\" is not installed (tools/setup.sh installs it)\n", family);
      return 1;
    }
  const QDir out(QString::fromLocal8Bit(argv[1]));
  std::vector<ContactEntry> sheet;
  QStringList failures;

  std::vector<DrawnImage> bitmaps = DrawLobbyBitmaps();
  for (auto* draw : {&DrawDeskBitmaps, &DrawGamePictures})
    for (DrawnImage& d : draw())
      bitmaps.push_back(std::move(d));
  const std::vector<DrawnImage> icons = DrawIcons();
  const std::vector<DrawnImage> cursors = DrawCursors();
  const std::vector<res::SizedResource> cursorSizes = CursorSizes();
  for (const QString& fault : {CheckAgainstCatalogue("bitmap", bitmaps, res::kBitmaps),
                               CheckAgainstCatalogue("icon", icons, res::kIcons),
                               CheckAgainstCatalogue("cursor", cursors, cursorSizes)})
    if (!fault.isEmpty())
      failures << fault;

  struct Group { const char* kind; std::string_view folder; const std::vector<DrawnImage>* images; };
  for (const Group& g : {Group{"bitmap", res::kBitmapFolder, &bitmaps}, Group{"icon", res::kIconFolder, &icons},
                         Group{"cursor", res::kCursorFolder, &cursors}})
    for (const DrawnImage& d : *g.images) {
      const QString path = out.filePath(Folder(g.folder) + QStringLiteral("/%1.png").arg(d.id));
      if (!WritePng(path, d.image))
        failures << QStringLiteral("cannot write ") + path;
      sheet.push_back({QStringLiteral("%1 %2").arg(QLatin1String(g.kind)).arg(d.id), d.image, d.image.size()});
    }

  for (const DrawnGif& d : DrawGameGifs()) {
    const std::vector<std::uint8_t> bytes = EncodeGif(d.gif);
    if (!WriteBytes(out.filePath(d.path), QByteArray(reinterpret_cast<const char*>(bytes.data()), qsizetype(bytes.size()))))
      failures << QStringLiteral("cannot write ") + d.path;
    const std::vector<QImage> frames = Compose(d.gif, d.shownOver);
    QImage strip(d.gif.width * int(frames.size()) + 4 * int(frames.size() - 1), d.gif.height, QImage::Format_ARGB32);
    strip.fill(Qt::transparent);
    QPainter p(&strip);
    for (std::size_t i = 0; i < frames.size(); ++i)
      p.drawImage(int(i) * (d.gif.width + 4), 0, frames[i]);
    p.end();
    sheet.push_back({d.path + QStringLiteral(" (%1 frames)").arg(frames.size()), strip, QSize(d.gif.width, d.gif.height)});
  }

  const QImage lobby = MainWindowPreview(bitmaps);
  sheet.push_back({QStringLiteral("preview: the main window"), lobby, lobby.size()});
  const QImage desks = DeskGroundPreview(bitmaps);
  sheet.push_back({QStringLiteral("preview: two desks of a desk ground"), desks, desks.size()});

  const std::vector<std::uint8_t> click = ClickWav();
  if (!WriteBytes(out.filePath(QStringLiteral("sound/Click.wav")),
                  QByteArray(reinterpret_cast<const char*>(click.data()), qsizetype(click.size()))))
    failures << QStringLiteral("cannot write sound/Click.wav");

  if (!WritePng(QString::fromLocal8Bit(argv[2]), ContactSheet(sheet)))
    failures << QStringLiteral("cannot write the contact sheet");

  for (const QString& f : failures)
    std::fprintf(stderr, "morvane-artgen: %s\n", qPrintable(f));
  return failures.isEmpty() ? 0 : 1;
}
