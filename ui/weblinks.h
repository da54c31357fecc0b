#pragma once

#include "ui/platform.h"

// The help messages and the commands that send the user to the web. The
// program answers both editors' requests (their menus, the main editor's
// picture) with these, and the about window's link labels call them; they
// only talk to the desktop through Platform.
namespace chromanick::links {

// "Aide" of the main editor: how generation and the automatic copy work.
void showMainHelp(Platform& platform);
// "Aide" of the gradient editor: the contact address.
void showContact(Platform& platform);
// "Se rendre sur Chromanick ?": asks, then opens the product site on Yes.
void confirmVisitSite(Platform& platform);
// "Vérifier nouvelle version.": asks, then opens the new-version page on Yes.
void confirmNewVersion(Platform& platform);
// The main editor's picture and "Visiter Chromanick": tells, then opens the site.
void announceVisitSite(Platform& platform);
// Link labels of the about window: open at once, no question.
void openSite(Platform& platform);
void openMessengerPlusSite(Platform& platform);

}  // namespace chromanick::links
