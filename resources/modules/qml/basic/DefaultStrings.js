.pragma library

// The scene's texts until a language pack is loaded, addressed by index.
// A language pack lists its texts in the same order, so entries that no page
// shows are kept to hold the indexes of the others in place. Entry 0 is the
// font family, not a text.
var list = [
    "Arial", "OPTIONS", "LOOP", "SPEED", "BRIGHTNESS",                                 //   0 -   4
    "DIRECTION", "PAINTING", "EFFECTS", "USER DEFINE 1", "USER DEFINE 2",              //   5 -   9
    "USER DEFINE 3", "USER DEFINE 4", "USER DEFINE 5", "STATIC", "BREATHING",          //  10 -  14
    "WAVE", "INDUCTION DARKEN", "MARQUEE", "RIPPLE", "INDUCTION BRIGHTEN",             //  15 -  19
    "NEON", "MARQUEE COLORFUL", "RAINING", "MARQUEE CIRCLE", "SPOTLIGHT",              //  20 -  24
    "ROTATION", "SKIN", "SOUND", "ANIMATED", "LANGUAGE",                               //  25 -  29
    "BACKGROUND", "ON", "OFF", "TEXT", "SIZE",                                         //  30 -  34
    "COLOR", "BRIGHTNESS", "NORMAL", "LARGER", "SKIN 1",                               //  35 -  39
    "SKIN 2", "SKIN 3", "SKIN 4", "SKIN 5", "MACRO",                                   //  40 -  44
    "ACTION", "KEYBOARD", "MOUSE", "MEDIA", "COMBO KEY",                               //  45 -  49
    "MACRO", "LEFT", "RIGHT", "MIDDLE", "B4",                                          //  50 -  54
    "B5", "NEXT TRACK", "PREVIOUS TRACK", "STOP", "PLAY / PAUSE",                      //  55 -  59
    "MUTE", "VOLUME UP", "VOLUME DOWN", "MEDIA SELECT", "MAIL",                        //  60 -  64
    "CALCULATOR", "MY COMPUTER", "WWW SEARCH", "WWW HOME", "WWW BACK",                 //  65 -  69
    "WWW FORWARD", "WWW STOP", "WWW REFRESH", "WWW FAVORITES", "KEY",                  //  70 -  74
    "MACRO", "COLOR", "RESET", "CANCEL", "GAMING MODE",                                //  75 -  79
    "DELETE", "CUT", "PASTE", "COPY", "LOAD",                                          //  80 -  84
    "SAVE", "SENSOR", "LED POWER ON", "TWINKLING", "GLIDING",                          //  85 -  89
    "FINGER MOVING", "VERTICAL FLIPPING", "YO-YO", "FIRE KEY", "TRIPLE CLICK",         //  90 -  94
    "DPI SWITCH", "NORMAL PLAY", "TIMES", "ALWAYS REPEAT", "REPEAT ON PRESSED",        //  95 -  99
    "POLLING RATE", "CURSOR SPEED", "VERTICAL SCROLL SPEED", "DOUBLE CLICK SPEED", "DPI LEVEL", // 100 - 104
    "DPI INDICATOR LED", "DEFAULT", "APPLY", "SCROLL SWAP", "SCROLL UP",               // 105 - 109
    "SCROLL DOWN", "LED CONTROL", "RENAME", "ALL RESET", "ALL SAVE"                    // 110 - 114
];
