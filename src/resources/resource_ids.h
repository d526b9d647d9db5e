// Identifiers shared by the resource script and the code that loads the resources.
#pragma once

#define IDI_ZUDAV 101    // window icon (also the executable's icon)
#define IDI_IMARIEN 102  // placeholder for an item whose icon cannot be had
#define IDI_IMAGE1 103   // picture of a free slot
#define IDI_ARRETER 104  // the 16 x 16 "Arrêter" picture
#define IDC_LIEN 105     // pointer over the About box's links

#define IDM_AIDE 200  // the hidden top-level menu "Fichier"
#define IDM_CONFIGURATION 201
#define IDM_RAFRAICHIR 202
#define IDM_PROPOS 203
#define IDM_QUITTER 204
