// What a screen reader finds in the main window, on Qt's accessibility
// interfaces; the names and descriptions come from app/accessible_names.h.
//
// Every edit box is named after the caption on its row and its column
// ("Rayon (CYLINDRE)"), both compute buttons of a column after their caption
// and column ("Calculer la surface (CYLINDRE)"); the standard one, covered by
// the colored one, is described as the same action ("Même action que le
// bouton coloré « Calculer la surface » (CYLINDRE)"). The labels, which are
// painted by the window rather than being widgets of their own, are exposed
// as static texts of the window's surface: their name is their caption; the
// result labels and Label19 also say what they show ("Surface (SPHERE)",
// "Courant d'électrolyse"), and announce each new caption the model is
// given. The eight
// pictures are graphics of the surface named after what they show
// ("Cylindre : rayon et hauteur"), and the two heading bars are named after
// their caption.
#pragma once

namespace anod {

namespace qt {
class TForm1;
}  // namespace qt

void ExposeToAssistiveTechnology(qt::TForm1& form);

}  // namespace anod
