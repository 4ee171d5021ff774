#include "art/pictures.h"

#include <cmath>

namespace art {
namespace {

constexpr Rgba kGreen{76, 150, 96, 255};
constexpr Rgba kDeepGreen{40, 100, 60, 255};
constexpr Rgba kIvory{255, 250, 236, 255};
constexpr Rgba kFolder{240, 196, 90, 255};
constexpr Rgba kFolderDark{206, 150, 50, 255};
constexpr Rgba kRed{200, 50, 45, 255};
constexpr Rgba kBlue{50, 110, 200, 255};
constexpr Rgba kWhite{255, 255, 255, 255};

void Folder(Canvas& c, double x, double y, double w, double h) {
  c.FillRoundRect(x, y, x + w * 0.45, y + h * 0.3, h * 0.08, kFolderDark);
  c.FillRoundRect(x, y + h * 0.15, x + w, y + h, h * 0.1, kFolder);
}

void Globe(Canvas& c, Rgba tint) {
  c.FillCircle(8, 8, 6.8, tint);
  Rgba line{255, 255, 255, 170};
  c.Line(1.5, 8, 14.5, 8, 1, line);
  c.Line(8, 1.5, 8, 14.5, 1, line);
  c.Fill([](double x, double y) {
    const double d = std::hypot((x - 8) / 3.2, (y - 8) / 6.6);
    return d > 0.82 && d < 1.0;
  }, line);
}

}  // namespace

Canvas DrawAppIcon(int size) {
  Canvas c(size, size);
  const double s = size / 32.0;
  c.FillRoundRect(1 * s, 1 * s, 31 * s, 31 * s, 6 * s, kGreen);
  c.FillRoundRect(2 * s, 2 * s, 30 * s, 16 * s, 5 * s, Rgba{255, 255, 255, 40});
  Folder(c, 6 * s, 11 * s, 20 * s, 15 * s);
  // Arrow pointing down into the folder: the install path being set.
  c.FillRect(14 * s, 4 * s, 18 * s, 13 * s, kIvory);
  c.FillPolygon({{10 * s, 12 * s}, {22 * s, 12 * s}, {16 * s, 19 * s}}, kIvory);
  c.Line(14 * s, 20 * s, 18 * s, 20 * s, 1.2 * s, kDeepGreen);
  return c;
}

Canvas DrawMenuImage(int i) {
  Canvas c(16, 16);
  switch (i) {
    case 0:  // help: question mark in a blue disc
      c.FillCircle(8, 8, 7, kBlue);
      c.Fill([](double x, double y) {
        const double d = std::hypot(x - 8, y - 6.2);
        return (d > 1.6 && d < 3.3 && !(y > 6.2 && x < 8)) || (x > 7 && x < 9 && y > 8.5 && y < 10.5);
      }, kWhite);
      c.FillCircle(8, 12.5, 1.1, kWhite);
      break;
    case 1:  // personal introduction: a person
      c.FillCircle(8, 5, 3.2, kGreen);
      c.FillRoundRect(2.5, 9, 13.5, 16, 4, kGreen);
      break;
    case 2:  // security tools: a shield
      c.FillPolygon({{8, 1}, {14, 3.5}, {13, 10}, {8, 15}, {3, 10}, {2, 3.5}}, kRed);
      c.Line(5.5, 8, 7.5, 10.5, 1.6, kWhite);
      c.Line(7.5, 10.5, 11, 5.5, 1.6, kWhite);
      break;
    case 3: {  // the maker's software series: a star
      std::vector<std::pair<double, double>> pts;
      for (int k = 0; k < 10; ++k) {
        const double a = -M_PI / 2 + k * M_PI / 5, r = (k % 2) ? 3.2 : 7.5;
        pts.push_back({8 + r * std::cos(a), 8.5 + r * std::sin(a)});
      }
      c.FillPolygon(pts, Rgba{235, 170, 30, 255});
      break;
    }
    case 4: Globe(c, Rgba{40, 130, 200, 255}); break;
    case 5: Globe(c, Rgba{70, 160, 220, 255}); break;
    case 6: Globe(c, Rgba{220, 110, 40, 255}); break;
    case 7: Globe(c, Rgba{30, 90, 170, 255}); break;
    case 8: Globe(c, Rgba{60, 170, 80, 255}); break;
    case 9:  // set the path: a green tick on a folder
      Folder(c, 1, 4, 14, 11);
      c.Line(4, 9, 7, 12.5, 2.2, kDeepGreen);
      c.Line(7, 12.5, 14, 3, 2.2, kDeepGreen);
      break;
    case 10:  // delete one: a red cross
      c.Line(3.5, 3.5, 12.5, 12.5, 2.6, kRed);
      c.Line(12.5, 3.5, 3.5, 12.5, 2.6, kRed);
      break;
    default:  // delete all: a bin
      c.FillRect(3, 3, 13, 4.5, kRed);
      c.FillRect(6, 1.5, 10, 3, kRed);
      c.FillRoundRect(4, 5, 12, 15, 1.5, kRed);
      c.Line(6.5, 7, 6.5, 13, 1, kWhite);
      c.Line(9.5, 7, 9.5, 13, 1, kWhite);
      break;
  }
  return c;
}

Canvas DrawAboutPicture() {
  Canvas c(144, 90);
  // Soft ivory-to-green gradient background.
  for (int y = 0; y < 90; ++y)
    for (int x = 0; x < 144; ++x) {
      const double t = (x / 143.0 + y / 89.0) / 2;
      c.at(x, y) = {static_cast<uint8_t>(250 - 120 * t), static_cast<uint8_t>(248 - 60 * t),
                    static_cast<uint8_t>(235 - 110 * t), 255};
    }
  // Three folders in a row, the middle one chosen.
  Folder(c, 10, 40, 34, 26);
  Folder(c, 100, 40, 34, 26);
  Folder(c, 50, 30, 44, 36);
  c.FillRect(66, 6, 78, 26, kDeepGreen);
  c.FillPolygon({{58, 24}, {86, 24}, {72, 38}}, kDeepGreen);
  // An orchid petal motif in the corner.
  for (int k = 0; k < 5; ++k) {
    const double a = k * 2 * M_PI / 5;
    c.FillCircle(124 + 8 * std::cos(a), 16 + 8 * std::sin(a), 6, Rgba{255, 255, 255, 210});
  }
  c.FillCircle(124, 16, 3, Rgba{120, 180, 90, 255});
  c.FillRect(0, 76, 144, 90, Rgba{40, 100, 60, 120});
  return c;
}

}  // namespace art
