// Analyses and option helpers shared by the norm tests.
#pragma once

#include <initializer_list>
#include <utility>

#include "common/norm/Cipw.h"

namespace lavix::testing {

inline norm::CipwInput analysis(std::initializer_list<std::pair<norm::Oxide, float>> values) {
  norm::CipwInput in;
  for (auto [oxide, value] : values) in.oxides[static_cast<std::size_t>(norm::index(oxide))] = value;
  return in;
}

using O = norm::Oxide;

// Rhyolite RGM-1 (USGS reference material, Glass Mountain): rounded values of the kind compiled by
// Govindaraju (1994, Geostandards Newsletter 18, special issue); the FeO/Fe2O3 split is approximate.
inline norm::CipwInput rhyoliteRgm1() {
  return analysis({{O::SiO2, 73.45f}, {O::TiO2, 0.27f}, {O::Al2O3, 13.72f}, {O::Fe2O3, 0.67f}, {O::FeO, 1.08f},
                   {O::MnO, 0.04f}, {O::MgO, 0.28f}, {O::CaO, 1.15f}, {O::Na2O, 4.07f}, {O::K2O, 4.30f},
                   {O::P2O5, 0.05f}});
}
// Andesite ATAC-4, Atacazo (Hidalgo et al. 2008, J. Volcanol. Geotherm. Res. 176, 16-26); Fe2O3 is total iron.
inline norm::CipwInput andesiteAtac4() {
  return analysis({{O::SiO2, 57.28f}, {O::TiO2, 0.67f}, {O::Al2O3, 16.5f}, {O::Fe2O3, 8.48f}, {O::MnO, 0.12f},
                   {O::MgO, 5.42f}, {O::CaO, 7.12f}, {O::Na2O, 3.52f}, {O::K2O, 0.76f}, {O::P2O5, 0.14f}});
}
// Tholeiitic basalt BHVO-1 (USGS reference material, Kilauea), rounded values after Govindaraju (1994).
inline norm::CipwInput tholeiiteBhvo1() {
  return analysis({{O::SiO2, 49.94f}, {O::TiO2, 2.71f}, {O::Al2O3, 13.80f}, {O::Fe2O3, 2.82f}, {O::FeO, 8.58f},
                   {O::MnO, 0.168f}, {O::MgO, 7.23f}, {O::CaO, 11.40f}, {O::Na2O, 2.26f}, {O::K2O, 0.52f},
                   {O::P2O5, 0.273f}});
}
// Alkali basalt BE-N (CRPG reference material, Essey-la-Cote), rounded values after Govindaraju (1994);
// Fe2O3 is total iron.
inline norm::CipwInput alkaliBasaltBeN() {
  return analysis({{O::SiO2, 38.20f}, {O::TiO2, 2.61f}, {O::Al2O3, 10.07f}, {O::Fe2O3, 12.84f}, {O::MnO, 0.20f},
                   {O::MgO, 13.15f}, {O::CaO, 13.87f}, {O::Na2O, 3.18f}, {O::K2O, 1.39f}, {O::P2O5, 1.05f}});
}
// Nephelinite of the Nyiragongo (Virunga) type: an approximate, rounded composition of that rock, not one
// sample; strongly undersaturated, it runs the desilication to the diopside stage.
inline norm::CipwInput nephelinite() {
  return analysis({{O::SiO2, 39.6f}, {O::TiO2, 2.7f}, {O::Al2O3, 14.9f}, {O::Fe2O3, 5.2f}, {O::FeO, 7.8f},
                   {O::MnO, 0.28f}, {O::MgO, 3.8f}, {O::CaO, 12.2f}, {O::Na2O, 6.3f}, {O::K2O, 5.4f},
                   {O::P2O5, 1.1f}});
}
// Pantellerite of the Pantelleria type: an approximate, rounded composition of that rock, not one sample;
// peralkaline, so it carries acmite and sodium metasilicate.
inline norm::CipwInput pantellerite() {
  return analysis({{O::SiO2, 69.8f}, {O::TiO2, 0.46f}, {O::Al2O3, 9.4f}, {O::Fe2O3, 2.8f}, {O::FeO, 5.1f},
                   {O::MnO, 0.3f}, {O::MgO, 0.1f}, {O::CaO, 0.5f}, {O::Na2O, 6.9f}, {O::K2O, 4.4f}});
}

}  // namespace lavix::testing
