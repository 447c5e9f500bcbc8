#ifndef MISSILETYPE_H
#define MISSILETYPE_H

// The two portal missiles the hero fires: alpha (left button) fills the
// alpha portal slot, beta (right button) the beta slot.
enum MissileType { ALPHA_PORTAL_MISSILE = 0, BETA_PORTAL_MISSILE = 1 };

#endif
