#ifndef QUESTPOINTID_H
#define QUESTPOINTID_H

// Which story a quest point tells; it picks the picture and the effect.
enum QuestPointId {
    VILLAGE_ELDER_QUEST = 0,
    KING_INTRO_QUEST = 1,
    KING_RETURN_QUEST = 2,
    PRINCESS_QUEST = 3,
    LADY_OF_THE_LAKE_QUEST = 4,
    EVIL_WIZARD_INTRO_QUEST = 5
};

#endif
