#include "res/ProgramResources.h"

#include "res/resource.h"

#include <array>

namespace {

// A sailing boat on a blue disc.
// clang-format off
constexpr std::array<IconPoint, 2> kDisc{{{0.02f, 0.02f}, {0.98f, 0.98f}}};
constexpr std::array<IconPoint, 3> kMainsail{{{0.52f, 0.13f}, {0.52f, 0.66f}, {0.80f, 0.66f}}};
constexpr std::array<IconPoint, 3> kJib{{{0.46f, 0.22f}, {0.46f, 0.66f}, {0.24f, 0.66f}}};
constexpr std::array<IconPoint, 4> kMast{{{0.46f, 0.10f}, {0.52f, 0.10f}, {0.52f, 0.70f}, {0.46f, 0.70f}}};
constexpr std::array<IconPoint, 4> kHull{{{0.16f, 0.69f}, {0.86f, 0.69f}, {0.72f, 0.82f}, {0.28f, 0.82f}}};
constexpr std::array<IconPoint, 4> kWave{{{0.12f, 0.84f}, {0.88f, 0.84f}, {0.80f, 0.90f}, {0.20f, 0.90f}}};

constexpr std::array kBoat{
    IconShape{IconShape::Kind::Ellipse, RGB(28, 92, 168), kDisc},
    IconShape{IconShape::Kind::Polygon, RGB(255, 255, 255), kMainsail},
    IconShape{IconShape::Kind::Polygon, RGB(226, 236, 246), kJib},
    IconShape{IconShape::Kind::Polygon, RGB(60, 40, 20), kMast},
    IconShape{IconShape::Kind::Polygon, RGB(204, 48, 40), kHull},
    IconShape{IconShape::Kind::Polygon, RGB(142, 212, 255), kWave},
};
// clang-format on

} // namespace

std::span<const IconShape> FindProgramIconArt(UINT id)
{
    if (id == IDR_MAINFRAME)
        return kBoat;
    return {};
}
