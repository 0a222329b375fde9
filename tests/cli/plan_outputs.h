// What `anodisation-calc plan` prints for the worked example
// (tests/plan/worked_example.anodplan), in each format: the program's tests
// on Linux and under Wine check the same bytes.
#pragma once

namespace anod {

inline constexpr const char* kWorkedExampleText =
    "Plan de bain (dimensions en cm)\n"
    "  1. Tube \xC2\xAB corps \xC2\xBB \xC3\x97" "4 : rayon ext\xC3\xA9rieur 2, rayon int\xC3\xA9rieur 1.5, longueur 10\n"
    "     230.79 cm\xC2\xB2 l'unit\xC3\xA9, 923.16 cm\xC2\xB2 pour 4\n"
    "  2. Plaque \xC2\xAB couvercle \xC2\xBB \xC3\x97" "2 : longueur 10, largeur 5, \xC3\xA9paisseur 0.2\n"
    "     106.00 cm\xC2\xB2 l'unit\xC3\xA9, 212.00 cm\xC2\xB2 pour 2\n"
    "  Montage et contacts : 20.00 cm\xC2\xB2\n"
    "Densit\xC3\xA9 de courant : 1.5 A/dm\xC2\xB2\n"
    "Surface totale : 1155.16 cm\xC2\xB2 (11.55 dm\xC2\xB2)\n"
    "Courant : 17327 mA (17.33 A) \xC3\xA0 15.00 mA/cm\xC2\xB2\n"
    "Temps : 31.2 min pour 15 \xC2\xB5m (r\xC3\xA8gle de 312)\n"
    "Alimentation 10 A : insuffisante\n"
    "  \xC3\xA0 10 A, la densit\xC3\xA9 sur cette charge est de 8.66 mA/cm\xC2\xB2 : 15 \xC2\xB5m en 54.1 min\n"
    "  \xC3\xA0 15.00 mA/cm\xC2\xB2, elle peut porter 666.67 cm\xC2\xB2\n"
    "\n"
    "Fiche de bain\n"
    "  1. D\xC3\xA9graissage : soude caustique 10 g / 100 ml d'eau, pendant 5 \xC3\xA0 10 minutes\n"
    "  2. \xC3\x89lectrolyse : acide sulfurique 170 ml / litre d'eau, sous 24 \xC2\xB0" "C ; 17327 mA (17.33 A) pendant 31.2 minutes pour 15 \xC2\xB5m\n"
    "  3. Coloration : colorant 6 ml / 100 ml d'eau chaude \xC3\xA0 55/65 \xC2\xB0" "C, pendant 15 \xC3\xA0 20 minutes\n"
    "  4. Fixation : eau bouillante, pendant 10 \xC3\xA0 30 minutes\n";

inline constexpr const char* kWorkedExampleTsv =
    "row\t1\ttube\tcorps\t4\t230.79\t923.16\t\n"
    "row\t2\tplaque\tcouvercle\t2\t106.00\t212.00\t\n"
    "rack_cm2\t20.00\n"
    "area_cm2\t1155.16\n"
    "density_ma_cm2\t15.00\n"
    "current_ma\t17327\n"
    "current_a\t17.33\n"
    "thickness_um\t15\n"
    "minutes\t31.2\n"
    "supply_a\t10\n"
    "supply_ok\tfalse\n"
    "supply_density_ma_cm2\t8.66\n"
    "supply_minutes\t54.1\n"
    "supply_area_cm2\t666.67\n"
    "time_min\t\n"
    "thickness_at_time_um\t\n"
    "message\t\n"
    "step\t1\tD\xC3\xA9graissage : soude caustique 10 g / 100 ml d'eau, pendant 5 \xC3\xA0 10 minutes\n"
    "step\t2\t\xC3\x89lectrolyse : acide sulfurique 170 ml / litre d'eau, sous 24 \xC2\xB0" "C ; 17327 mA (17.33 A) pendant 31.2 minutes pour 15 \xC2\xB5m\n"
    "step\t3\tColoration : colorant 6 ml / 100 ml d'eau chaude \xC3\xA0 55/65 \xC2\xB0" "C, pendant 15 \xC3\xA0 20 minutes\n"
    "step\t4\tFixation : eau bouillante, pendant 10 \xC3\xA0 30 minutes\n";

inline constexpr const char* kWorkedExampleJson =
    "{\"rows\":[{\"shape\":\"tube\",\"label\":\"corps\",\"quantity\":4,\"area_cm2\":230.79,\"total_cm2\":923.16,\"message\":null},{\"shape\":\"plaque\",\"label\":\"couvercle\",\"quantity\":2,\"area_cm2\":106.00,\"total_cm2\":212.00,\"message\":null}],\"rack_cm2\":20.00,\"area_cm2\":1155.16,\"density_ma_cm2\":15.00,\"current_ma\":17327,\"current_a\":17.33,\"thickness_um\":15,\"minutes\":31.2,\"supply_a\":10,\"supply_ok\":false,\"supply_density_ma_cm2\":8.66,\"supply_minutes\":54.1,\"supply_area_cm2\":666.67,\"time_min\":null,\"thickness_at_time_um\":null,\"message\":null,\"run_sheet\":[\"D\xC3\xA9graissage : soude caustique 10 g / 100 ml d'eau, pendant 5 \xC3\xA0 10 minutes\",\"\xC3\x89lectrolyse : acide sulfurique 170 ml / litre d'eau, sous 24 \xC2\xB0" "C ; 17327 mA (17.33 A) pendant 31.2 minutes pour 15 \xC2\xB5m\",\"Coloration : colorant 6 ml / 100 ml d'eau chaude \xC3\xA0 55/65 \xC2\xB0" "C, pendant 15 \xC3\xA0 20 minutes\",\"Fixation : eau bouillante, pendant 10 \xC3\xA0 30 minutes\"]}\n";

}  // namespace anod
