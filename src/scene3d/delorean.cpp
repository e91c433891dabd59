// The car `delorean`: 121 body vertices and six light points, 238 faces, 288
// texture vertices. Written by tools/meshes/mkcar, which says how the car is
// built: change that and run it again rather than editing this file.
#include "scene3d/scene3d.h"

// clang-format off

// x, y, z: 256 steps to the unit, x from nose to tail, z up.
const int vertdelorean[127 * 3] = {
    -10016,  -4052,  1143, // 0: station 1 low left
      1180,  -3911,   319, // 1: station 6 low left
     11679,  -3935,   937, // 2: station 10 low left
    -10995,  -3515,  1250, // 3: station 0 low left
    -10995,  -4815,  1500, // 4: station 0 crease left
      1180,   7035,  1500, // 5: station 6 crease right
    -10900,  -4965,  3020, // 6: station 0 shoulder left
    -10900,  -3615,  3080, // 7: station 0 roof left
    -10900,   4985,  3080, // 8: station 0 roof right
    -10900,   6335,  3020, // 9: station 0 shoulder right
    -10995,   6185,  1500, // 10: station 0 crease right
    -10995,   4885,  1250, // 11: station 0 low right
    -10016,  -5465,  1500, // 12: station 1 crease left
    -10016,  -5365,  3120, // 13: station 1 shoulder left
    -10016,  -3915,  3220, // 14: station 1 roof left
    -10016,   5285,  3220, // 15: station 1 roof right
    -10016,   6735,  3120, // 16: station 1 shoulder right
    -10016,   6835,  1500, // 17: station 1 crease right
    -10016,   5422,  1143, // 18: station 1 low right
     -7637,  -4215,   950, // 19: station 2 low left
     -7637,  -5948,  1500, // 20: station 2 crease left
     -7637,  -5565,  3280, // 21: station 2 shoulder left
     -7637,  -4115,  3370, // 22: station 2 roof left
     -7637,   5485,  3370, // 23: station 2 roof right
     -7637,   6935,  3280, // 24: station 2 shoulder right
     -7637,   7318,  1500, // 25: station 2 crease right
     -7637,   5585,   950, // 26: station 2 low right
     -4963,  -4215,   950, // 27: station 3 low left
     -4963,  -5948,  1500, // 28: station 3 crease left
     -4963,  -5565,  3420, // 29: station 3 shoulder left
     -4963,  -4165,  3500, // 30: station 3 roof left
     -4963,   5535,  3500, // 31: station 3 roof right
     -4963,   6935,  3420, // 32: station 3 shoulder right
     -4963,   7318,  1500, // 33: station 3 crease right
     -4963,   5585,   950, // 34: station 3 low right
     -2900,  -3935,   420, // 35: station 4 low left
     -2900,  -5715,  1500, // 36: station 4 crease left
     -2900,  -5515,  3500, // 37: station 4 shoulder left
     -2900,  -4265,  3580, // 38: station 4 roof left
     -2900,   6885,  3500, // 39: station 4 shoulder right
     -2900,   7085,  1500, // 40: station 4 crease right
      -500,  -4315,  5330, // 41: station 5 roof left
     -2900,   5635,  3580, // 42: station 4 roof right
     -2900,   5305,   420, // 43: station 4 low right
      -500,  -3915,   340, // 44: station 5 low left
      -500,  -5665,  1500, // 45: station 5 crease left
      -500,  -5465,  3560, // 46: station 5 shoulder left
      -500,   5685,  5330, // 47: station 5 roof right
      -500,   5285,   340, // 48: station 5 low right
      1180,  -5665,  1500, // 49: station 6 crease left
      1180,  -5465,  3600, // 50: station 6 shoulder left
      1180,  -4315,  5439, // 51: station 6 roof left
      1180,   5685,  5439, // 52: station 6 roof right
      1180,   5281,   319, // 53: station 6 low right
      2700,  -3915,   340, // 54: station 7 low left
      2700,  -5695,  1500, // 55: station 7 crease left
      2700,  -5495,  3650, // 56: station 7 shoulder left
      2700,  -4215,  5300, // 57: station 7 roof left
      2700,   5585,  5300, // 58: station 7 roof right
      2700,   6865,  3650, // 59: station 7 shoulder right
      2700,   7065,  1500, // 60: station 7 crease right
      2700,   5285,   340, // 61: station 7 low right
      5593,  -4215,   950, // 62: station 8 low left
      5593,  -5948,  1500, // 63: station 8 crease left
      5593,  -5615,  3700, // 64: station 8 shoulder left
      5593,  -4015,  4500, // 65: station 8 roof left
      5593,   5385,  4500, // 66: station 8 roof right
      5593,   6985,  3700, // 67: station 8 shoulder right
      5593,   7318,  1500, // 68: station 8 crease right
      5593,   5585,   950, // 69: station 8 low right
      8267,  -4215,   950, // 70: station 9 low left
      8267,  -5948,  1500, // 71: station 9 crease left
      8267,  -5465,  3720, // 72: station 9 shoulder left
      8267,  -3815,  4000, // 73: station 9 roof left
      8267,   5185,  4000, // 74: station 9 roof right
      8267,   6835,  3720, // 75: station 9 shoulder right
      8267,   7318,  1500, // 76: station 9 crease right
      8267,   5585,   950, // 77: station 9 low right
     11679,  -4315,  1500, // 78: station 10 crease left
     11679,  -3615,  3650, // 79: station 10 shoulder left
      -500,   7035,  1500, // 80: station 5 crease right
      -500,   6835,  3560, // 81: station 5 shoulder right
     11679,  -2815,  3720, // 82: station 10 roof left
     11679,   4185,  3720, // 83: station 10 roof right
     11679,   4985,  3650, // 84: station 10 shoulder right
     11679,   5685,  1500, // 85: station 10 crease right
     11679,   5305,   937, // 86: station 10 low right
     12040,  -3615,  1000, // 87: station 11 low left
     12040,  -3915,  1500, // 88: station 11 crease left
     12040,  -3015,  3550, // 89: station 11 shoulder left
     12040,  -2615,  3620, // 90: station 11 roof left
     12040,   3985,  3620, // 91: station 11 roof right
     12040,   4385,  3550, // 92: station 11 shoulder right
     12040,   5285,  1500, // 93: station 11 crease right
     12040,   4985,  1000, // 94: station 11 low right
    -10950,    685,  2150, // 95: centre of the nose
     -7245,  -5948,   555, // 96: front left tyre, outer 225
     -6300,  -5948,   163, // 97: front left tyre, outer 270
     -5355,  -5948,   555, // 98: front left tyre, outer 315
     -7245,  -4215,   555, // 99: front left tyre, inner 225
     -6300,  -4215,   163, // 100: front left tyre, inner 270
     -5355,  -4215,   555, // 101: front left tyre, inner 315
     -7245,   7318,   555, // 102: front right tyre, outer 225
     -6300,   7318,   163, // 103: front right tyre, outer 270
     -5355,   7318,   555, // 104: front right tyre, outer 315
     -7245,   5585,   555, // 105: front right tyre, inner 225
      1180,   6835,  3600, // 106: station 6 shoulder right
     -6300,   5585,   163, // 107: front right tyre, inner 270
     -5355,   5585,   555, // 108: front right tyre, inner 315
      5985,  -5948,   555, // 109: rear left tyre, outer 225
      6930,  -5948,   163, // 110: rear left tyre, outer 270
      7875,  -5948,   555, // 111: rear left tyre, outer 315
      5985,  -4215,   555, // 112: rear left tyre, inner 225
      6930,  -4215,   163, // 113: rear left tyre, inner 270
      7875,  -4215,   555, // 114: rear left tyre, inner 315
      5985,   7318,   555, // 115: rear right tyre, outer 225
      6930,   7318,   163, // 116: rear right tyre, outer 270
      7875,   7318,   555, // 117: rear right tyre, outer 315
      5985,   5585,   555, // 118: rear right tyre, inner 225
      6930,   5585,   163, // 119: rear right tyre, inner 270
      7875,   5585,   555, // 120: rear right tyre, inner 315
    -11012,   4468,  2694, // 121: headlamp
    -11006,  -2108,  2694, // 122: headlamp
    -11011,   3401,  2690, // 123: headlamp
    -11006,  -3259,  2690, // 124: headlamp
     12049,   3475,  3004, // 125: tail lamp
     12048,  -2130,  3003, // 126: tail lamp
};

// Corners counter-clockwise seen from outside.
const unsigned facedelorean[238 * 3] = {
     38,  41,  42, // 0: windscreen
    106,  80,  81, // 1: right flank
     80, 106,   5, // 2: right flank
      3,   0,   4, // 3: left skirt
      4,   0,  12, // 4: left skirt
      4,  12,   6, // 5: left flank
      6,  12,  13, // 6: left flank
      6,  14,   7, // 7: bonnet
      6,  13,  14, // 8: bonnet
      7,  14,   8, // 9: bonnet
      8,  14,  15, // 10: bonnet
      8,  15,   9, // 11: bonnet
      9,  15,  16, // 12: bonnet
      9,  17,  10, // 13: right flank
      9,  16,  17, // 14: right flank
     10,  18,  11, // 15: right skirt
     10,  17,  18, // 16: right skirt
     11,  18,   3, // 17: floor
      3,  18,   0, // 18: floor
      0,  19,  12, // 19: left skirt
     12,  19,  20, // 20: left skirt
     12,  20,  13, // 21: left flank
     13,  20,  21, // 22: left flank
     13,  21,  14, // 23: bonnet
     14,  21,  22, // 24: bonnet
     14,  22,  15, // 25: bonnet
     15,  22,  23, // 26: bonnet
     15,  24,  16, // 27: bonnet
     15,  23,  24, // 28: bonnet
     16,  25,  17, // 29: right flank
     16,  24,  25, // 30: right flank
     17,  26,  18, // 31: right skirt
     17,  25,  26, // 32: right skirt
     18,  26,   0, // 33: floor
      0,  26,  19, // 34: floor
     20,  29,  21, // 35: left flank
     20,  28,  29, // 36: left flank
     21,  29,  22, // 37: bonnet
     22,  29,  30, // 38: bonnet
     22,  30,  23, // 39: bonnet
     23,  30,  31, // 40: bonnet
     23,  32,  24, // 41: bonnet
     23,  31,  32, // 42: bonnet
     24,  32,  25, // 43: right flank
     25,  32,  33, // 44: right flank
     26,  34,  19, // 45: floor
     19,  34,  27, // 46: floor
     27,  35,  28, // 47: left skirt
     28,  35,  36, // 48: left skirt
     28,  37,  29, // 49: left flank
     28,  36,  37, // 50: left flank
     29,  38,  30, // 51: bonnet
     29,  37,  38, // 52: bonnet
     30,  38,  31, // 53: bonnet
     31,  38,  42, // 54: bonnet
     31,  42,  32, // 55: bonnet
     32,  42,  39, // 56: bonnet
     32,  39,  33, // 57: right flank
     33,  39,  40, // 58: right flank
     33,  43,  34, // 59: right skirt
     33,  40,  43, // 60: right skirt
     34,  43,  27, // 61: floor
     27,  43,  35, // 62: floor
     35,  44,  36, // 63: left skirt
     36,  44,  45, // 64: left skirt
     36,  46,  37, // 65: left flank
     36,  45,  46, // 66: left flank
     37,  41,  38, // 67: left window
     37,  46,  41, // 68: left window
     42,  41,  47, // 69: windscreen
     42,  47,  39, // 70: right window
     39,  47,  81, // 71: right window
     39,  81,  40, // 72: right flank
     40,  81,  80, // 73: right flank
     40,  48,  43, // 74: right skirt
     40,  80,  48, // 75: right skirt
     43,  48,  35, // 76: floor
     35,  48,  44, // 77: floor
     44,   1,  45, // 78: left skirt
     45,   1,  49, // 79: left skirt
     45,  50,  46, // 80: left flank
     45,  49,  50, // 81: left flank
     46,  51,  41, // 82: left window
     46,  50,  51, // 83: left window
     41,  51,  47, // 84: roof
     47,  51,  52, // 85: roof
     47,  52,  81, // 86: right window
     81,  52, 106, // 87: right window
     80,  53,  48, // 88: right skirt
     80,   5,  53, // 89: right skirt
     48,  53,  44, // 90: floor
     44,  53,   1, // 91: floor
      1,  55,  49, // 92: left skirt
      1,  54,  55, // 93: left skirt
     49,  56,  50, // 94: left flank
     49,  55,  56, // 95: left flank
     50,  56,  51, // 96: left window
     51,  56,  57, // 97: left window
     51,  57,  52, // 98: roof
     52,  57,  58, // 99: roof
     52,  59, 106, // 100: right window
     52,  58,  59, // 101: right window
    106,  59,   5, // 102: right flank
      5,  59,  60, // 103: right flank
      5,  60,  53, // 104: right skirt
     53,  60,  61, // 105: right skirt
     53,  61,   1, // 106: floor
      1,  61,  54, // 107: floor
     54,  63,  55, // 108: left skirt
     54,  62,  63, // 109: left skirt
     55,  63,  56, // 110: left flank
     56,  63,  64, // 111: left flank
     56,  64,  57, // 112: left window
     57,  64,  65, // 113: left window
     57,  65,  58, // 114: louvres and deck
     58,  65,  66, // 115: louvres and deck
     58,  67,  59, // 116: right window
     58,  66,  67, // 117: right window
     59,  68,  60, // 118: right flank
     59,  67,  68, // 119: right flank
     60,  68,  61, // 120: right skirt
     61,  68,  69, // 121: right skirt
     61,  69,  54, // 122: floor
     54,  69,  62, // 123: floor
     63,  71,  64, // 124: left flank
     64,  71,  72, // 125: left flank
     64,  72,  65, // 126: louvres and deck
     65,  72,  73, // 127: louvres and deck
     65,  73,  66, // 128: louvres and deck
     66,  73,  74, // 129: louvres and deck
     66,  75,  67, // 130: louvres and deck
     66,  74,  75, // 131: louvres and deck
     67,  76,  68, // 132: right flank
     67,  75,  76, // 133: right flank
     69,  77,  62, // 134: floor
     62,  77,  70, // 135: floor
     70,   2,  71, // 136: left skirt
     71,   2,  78, // 137: left skirt
     71,  78,  72, // 138: left flank
     72,  78,  79, // 139: left flank
     72,  79,  73, // 140: louvres and deck
     73,  79,  82, // 141: louvres and deck
     73,  82,  74, // 142: louvres and deck
     74,  82,  83, // 143: louvres and deck
     74,  84,  75, // 144: louvres and deck
     74,  83,  84, // 145: louvres and deck
     75,  85,  76, // 146: right flank
     75,  84,  85, // 147: right flank
     76,  86,  77, // 148: right skirt
     76,  85,  86, // 149: right skirt
     77,  86,  70, // 150: floor
     70,  86,   2, // 151: floor
      2,  87,  78, // 152: left skirt
     78,  87,  88, // 153: left skirt
     78,  88,  79, // 154: left flank
     79,  88,  89, // 155: left flank
     79,  90,  82, // 156: louvres and deck
     79,  89,  90, // 157: louvres and deck
     82,  90,  83, // 158: louvres and deck
     83,  90,  91, // 159: louvres and deck
     83,  91,  84, // 160: louvres and deck
     84,  91,  92, // 161: louvres and deck
     84,  93,  85, // 162: right flank
     84,  92,  93, // 163: right flank
     85,  94,  86, // 164: right skirt
     85,  93,  94, // 165: right skirt
     86,  94,   2, // 166: floor
      2,  94,  87, // 167: floor
     95,   3,   4, // 168: bumper
     95,   4,   6, // 169: lamp panel
     95,   6,   7, // 170: lamp panel
     95,   7,   8, // 171: lamp panel
     95,   8,   9, // 172: lamp panel
     95,   9,  10, // 173: lamp panel
     95,  10,  11, // 174: bumper
     95,  11,   3, // 175: bumper
     87,  94,  93, // 176: tail
     87,  93,  88, // 177: tail
     88,  93,  92, // 178: tail
     88,  92,  89, // 179: tail
     89,  92,  91, // 180: tail
     89,  91,  90, // 181: tail
     20,  96,  97, // 182: front left tyre
     19, 100,  99, // 183: front left tyre, inside
     20,  97,  98, // 184: front left tyre
     19, 101, 100, // 185: front left tyre, inside
     20,  98,  28, // 186: front left tyre
     19,  27, 101, // 187: front left tyre, inside
     20,  19,  99, // 188: front left tread
     20,  99,  96, // 189: front left tread
     96,  99, 100, // 190: front left tread
     96, 100,  97, // 191: front left tread
     97, 100, 101, // 192: front left tread
     97, 101,  98, // 193: front left tread
     98, 101,  27, // 194: front left tread
     98,  27,  28, // 195: front left tread
     25, 103, 102, // 196: front right tyre
     26, 105, 107, // 197: front right tyre, inside
     25, 104, 103, // 198: front right tyre
     26, 107, 108, // 199: front right tyre, inside
     25,  33, 104, // 200: front right tyre
     26, 108,  34, // 201: front right tyre, inside
     25, 105,  26, // 202: front right tread
     25, 102, 105, // 203: front right tread
    102, 107, 105, // 204: front right tread
    102, 103, 107, // 205: front right tread
    103, 108, 107, // 206: front right tread
    103, 104, 108, // 207: front right tread
    104,  34, 108, // 208: front right tread
    104,  33,  34, // 209: front right tread
     63, 109, 110, // 210: rear left tyre
     62, 113, 112, // 211: rear left tyre, inside
     63, 110, 111, // 212: rear left tyre
     62, 114, 113, // 213: rear left tyre, inside
     63, 111,  71, // 214: rear left tyre
     62,  70, 114, // 215: rear left tyre, inside
     63,  62, 112, // 216: rear left tread
     63, 112, 109, // 217: rear left tread
    109, 112, 113, // 218: rear left tread
    109, 113, 110, // 219: rear left tread
    110, 113, 114, // 220: rear left tread
    110, 114, 111, // 221: rear left tread
    111, 114,  70, // 222: rear left tread
    111,  70,  71, // 223: rear left tread
     68, 116, 115, // 224: rear right tyre
     69, 118, 119, // 225: rear right tyre, inside
     68, 117, 116, // 226: rear right tyre
     69, 119, 120, // 227: rear right tyre, inside
     68,  76, 117, // 228: rear right tyre
     69, 120,  77, // 229: rear right tyre, inside
     68, 118,  69, // 230: rear right tread
     68, 115, 118, // 231: rear right tread
    115, 119, 118, // 232: rear right tread
    115, 116, 119, // 233: rear right tread
    116, 120, 119, // 234: rear right tread
    116, 117, 120, // 235: rear right tread
    117,  77, 120, // 236: rear right tread
    117,  76,  77, // 237: rear right tread
};

// u, v, w: 256 to a texel, v upwards from the bottom of the picture.
const int tvertdelorean[288 * 3] = {
    15879, 58195, 0, // 0: roof
    17458, 19726, 0, // 1: left flank
     1966, 19687, 0, // 2: left flank
     2210, 23589, 0, // 3: left flank
     4480, 19686, 0, // 4: left flank
    34526,  1966, 0, // 5: right flank
     4480, 23846, 0, // 6: left flank
    10588, 19686, 0, // 7: left flank
    10588, 24256, 0, // 8: left flank
    17454, 24616, 0, // 9: left flank
    22751, 19686, 0, // 10: left flank
    22751, 24821, 0, // 11: left flank
    28913, 19686, 0, // 12: left flank
    28913, 24975, 0, // 13: left flank
    33227, 19686, 0, // 14: left flank
    33227, 25078, 0, // 15: left flank
    37130, 19686, 0, // 16: left flank
    37130, 25206, 0, // 17: left flank
    44558, 19686, 0, // 18: left flank
    44558, 25335, 0, // 19: left flank
    51424, 19686, 0, // 20: left flank
    51424, 25386, 0, // 21: left flank
    60185, 19686, 0, // 22: left flank
    60185, 25206, 0, // 23: left flank
    61111, 19686, 0, // 24: left flank
    61111, 24950, 0, // 25: left flank
     2220,  6031, 0, // 26: right flank
     1966,  1966, 0, // 27: right flank
     4584,  6298, 0, // 28: right flank
     4584,  1966, 0, // 29: right flank
    10946,  6726, 0, // 30: right flank
    10946,  1966, 0, // 31: right flank
    18098,  7101, 0, // 32: right flank
    18098,  1966, 0, // 33: right flank
    23615,  7315, 0, // 34: right flank
    23615,  1966, 0, // 35: right flank
    38591,  7716, 0, // 36: right flank
    38591,  1966, 0, // 37: right flank
    46328,  7850, 0, // 38: right flank
    46328,  1966, 0, // 39: right flank
    53479,  7903, 0, // 40: right flank
    37224, 63569, 0, // 41: windscreen
    53479,  1966, 0, // 42: right flank
    62604,  7716, 0, // 43: right flank
    62604,  1966, 0, // 44: right flank
    63569,  7448, 0, // 45: right flank
    37119, 57343, 0, // 46: windscreen
    57975, 63569, 0, // 47: windscreen
    63569,  1966, 0, // 48: right flank
     1966, 14402, 0, // 49: left skirt
     1966, 16884, 0, // 50: left skirt
     3879, 15240, 0, // 51: left skirt
     3879, 18014, 0, // 52: left skirt
     8527, 15351, 0, // 53: left skirt
     8527, 18854, 0, // 54: left skirt
    13752, 15351, 0, // 55: left skirt
    13752, 18854, 0, // 56: left skirt
    17783, 14391, 0, // 57: left skirt
    17783, 18449, 0, // 58: left skirt
    22473, 14285, 0, // 59: left skirt
    22473, 18362, 0, // 60: left skirt
    25755, 14259, 0, // 61: left skirt
    25755, 18362, 0, // 62: left skirt
    28725, 14285, 0, // 63: left skirt
    28725, 18414, 0, // 64: left skirt
    34378, 15351, 0, // 65: left skirt
    34378, 18854, 0, // 66: left skirt
    39603, 15351, 0, // 67: left skirt
    39603, 18854, 0, // 68: left skirt
    46270, 14852, 0, // 69: left skirt
    46270, 16015, 0, // 70: left skirt
    46975, 14352, 0, // 71: left skirt
    46975, 15320, 0, // 72: left skirt
     1966, 10999, 0, // 73: right skirt
     1966, 13343, 0, // 74: right skirt
     3772,  9932, 0, // 75: right skirt
     3772, 12552, 0, // 76: right skirt
     8162,  9139, 0, // 77: right skirt
     8162, 12447, 0, // 78: right skirt
    13095,  9139, 0, // 79: right skirt
    13095, 12447, 0, // 80: right skirt
    16902,  9521, 0, // 81: right skirt
    30033,  1966, 0, // 82: right flank
    16902, 13353, 0, // 83: right skirt
    21330,  9603, 0, // 84: right skirt
    30033,  7475, 0, // 85: right flank
    21330, 13453, 0, // 86: right skirt
    24429,  9603, 0, // 87: right skirt
    24429, 13478, 0, // 88: right skirt
    27234,  9554, 0, // 89: right skirt
    27234, 13453, 0, // 90: right skirt
    32572,  9139, 0, // 91: right skirt
    32572, 12447, 0, // 92: right skirt
    37505,  9139, 0, // 93: right skirt
    37505, 12447, 0, // 94: right skirt
    43800, 11819, 0, // 95: right skirt
    43800, 12917, 0, // 96: right skirt
    44467, 12476, 0, // 97: right skirt
    44467, 13390, 0, // 98: right skirt
     1966, 32128, 0, // 99: front left tyre
    12718, 32128, 0, // 100: front left tyre
     3542, 28328, 0, // 101: front left tyre
     7342, 26752, 0, // 102: front left tyre
    11142, 28328, 0, // 103: front left tyre
    13568, 32128, 0, // 104: front right tyre
    24320, 32128, 0, // 105: front right tyre
    15144, 28328, 0, // 106: front right tyre
    18944, 26752, 0, // 107: front right tyre
    22743, 28328, 0, // 108: front right tyre
    25164, 32128, 0, // 109: rear left tyre
    35916, 32128, 0, // 110: rear left tyre
    26741, 28328, 0, // 111: rear left tyre
    30540, 26752, 0, // 112: rear left tyre
    34340, 28328, 0, // 113: rear left tyre
    36761, 32128, 0, // 114: rear right tyre
    47513, 32128, 0, // 115: rear right tyre
    38337, 28328, 0, // 116: rear right tyre
    42137, 26752, 0, // 117: rear right tyre
    45937, 28328, 0, // 118: rear right tyre
     1966, 45578, 0, // 119: bonnet
     1966, 47619, 0, // 120: bonnet
     1966, 60621, 0, // 121: bonnet
     1966, 62662, 0, // 122: bonnet
     3302, 44974, 0, // 123: bonnet
     3302, 47166, 0, // 124: bonnet
     3302, 61075, 0, // 125: bonnet
     3302, 63267, 0, // 126: bonnet
     6899, 44671, 0, // 127: bonnet
     6899, 46863, 0, // 128: bonnet
     6899, 61377, 0, // 129: bonnet
     6899, 63569, 0, // 130: bonnet
    10942, 44671, 0, // 131: bonnet
    10942, 46788, 0, // 132: bonnet
    10942, 61452, 0, // 133: bonnet
    10942, 63569, 0, // 134: bonnet
    14061, 44747, 0, // 135: bonnet
    14061, 46637, 0, // 136: bonnet
    14061, 61604, 0, // 137: bonnet
    14061, 63493, 0, // 138: bonnet
    15879, 44671, 0, // 139: roof
    18150, 44671, 0, // 140: roof
    18150, 58188, 0, // 141: roof
    20205, 44807, 0, // 142: roof
    20205, 58053, 0, // 143: roof
    21760, 46771, 0, // 144: louvres and deck
    21760, 61469, 0, // 145: louvres and deck
    26099, 44671, 0, // 146: louvres and deck
    26099, 47071, 0, // 147: louvres and deck
    26099, 61169, 0, // 148: louvres and deck
    26099, 63569, 0, // 149: louvres and deck
    30109, 44896, 0, // 150: louvres and deck
    30109, 47371, 0, // 151: louvres and deck
    30109, 60869, 0, // 152: louvres and deck
    30109, 63344, 0, // 153: louvres and deck
    35226, 47671, 0, // 154: louvres and deck
    35226, 48871, 0, // 155: louvres and deck
    35226, 59370, 0, // 156: louvres and deck
    35226, 60569, 0, // 157: louvres and deck
    35768, 48571, 0, // 158: louvres and deck
    35768, 49171, 0, // 159: louvres and deck
    35768, 59070, 0, // 160: louvres and deck
    35768, 59669, 0, // 161: louvres and deck
    58080, 57343, 0, // 162: windscreen
    40447, 32895, 0, // 163: left window
    40447, 34998, 0, // 164: left window
    45949, 33074, 0, // 165: left window
    45949, 37834, 0, // 166: left window
    49801, 33141, 0, // 167: left window
    49801, 38015, 0, // 168: left window
    53285, 33177, 0, // 169: left window
    53285, 37941, 0, // 170: left window
    59918, 33071, 0, // 171: left window
    59918, 36924, 0, // 172: left window
     1966, 41801, 0, // 173: right window
     1966, 43903, 0, // 174: right window
     7468, 38965, 0, // 175: right window
     7468, 43725, 0, // 176: right window
    11319, 38783, 0, // 177: right window
    11319, 43658, 0, // 178: right window
    14804, 38857, 0, // 179: right window
    14804, 43622, 0, // 180: right window
    21436, 39875, 0, // 181: right window
    21436, 43728, 0, // 182: right window
    48281, 27136, 0, // 183: floor
    48281, 31744, 0, // 184: floor
    48818, 26841, 0, // 185: floor
    48818, 32038, 0, // 186: floor
    50123, 26752, 0, // 187: floor
    50123, 32128, 0, // 188: floor
    51590, 26752, 0, // 189: floor
    51590, 32128, 0, // 190: floor
    52722, 26905, 0, // 191: floor
    52722, 31974, 0, // 192: floor
    54038, 26916, 0, // 193: floor
    54038, 31963, 0, // 194: floor
    54960, 26918, 0, // 195: floor
    54960, 31961, 0, // 196: floor
    55793, 26916, 0, // 197: floor
    55793, 31963, 0, // 198: floor
    57380, 26752, 0, // 199: floor
    57380, 32128, 0, // 200: floor
    58847, 26752, 0, // 201: floor
    58847, 32128, 0, // 202: floor
    60719, 26905, 0, // 203: floor
    60719, 31974, 0, // 204: floor
    60917, 27081, 0, // 205: floor
    60917, 31798, 0, // 206: floor
     2452, 32895, 0, // 207: lamp panel
     1966, 37821, 0, // 208: lamp panel
     6341, 38015, 0, // 209: lamp panel
    34209, 38015, 0, // 210: lamp panel
    38583, 37821, 0, // 211: lamp panel
    38097, 32895, 0, // 212: lamp panel
    20275, 35002, 0, // 213: lamp panel
    27611, 38783, 0, // 214: bumper
    23936, 39490, 0, // 215: bumper
    55039, 39490, 0, // 216: bumper
    51363, 38783, 0, // 217: bumper
    39487, 41328, 0, // 218: bumper
    37926, 49535, 0, // 219: tail
    37119, 50879, 0, // 220: tail
    39538, 56387, 0, // 221: tail
    40613, 56575, 0, // 222: tail
    58347, 56575, 0, // 223: tail
    59421, 56387, 0, // 224: tail
    61840, 50879, 0, // 225: tail
    61034, 49535, 0, // 226: tail
    47743, 18918, 0, // 227: front left tread
    47743, 14259, 0, // 228: front left tread
    58745, 18918, 0, // 229: front left tread
    58745, 14259, 0, // 230: front left tread
    50494, 14259, 0, // 231: front left tread
    53244, 14259, 0, // 232: front left tread
    55995, 14259, 0, // 233: front left tread
    50494, 18918, 0, // 234: front left tread
    53244, 18918, 0, // 235: front left tread
    55995, 18918, 0, // 236: front left tread
    37119, 48767, 0, // 237: front right tread
    37119, 44671, 0, // 238: front right tread
    46792, 48767, 0, // 239: front right tread
    46792, 44671, 0, // 240: front right tread
    39537, 48767, 0, // 241: front right tread
    41956, 48767, 0, // 242: front right tread
    44374, 48767, 0, // 243: front right tread
    39537, 44671, 0, // 244: front right tread
    41956, 44671, 0, // 245: front right tread
    44374, 44671, 0, // 246: front right tread
    47615, 48767, 0, // 247: rear left tread
    47615, 44671, 0, // 248: rear left tread
    57287, 48767, 0, // 249: rear left tread
    57287, 44671, 0, // 250: rear left tread
    50033, 44671, 0, // 251: rear left tread
    52451, 44671, 0, // 252: rear left tread
    54869, 44671, 0, // 253: rear left tread
    50033, 48767, 0, // 254: rear left tread
    52451, 48767, 0, // 255: rear left tread
    54869, 48767, 0, // 256: rear left tread
    55807, 42070, 0, // 257: rear right tread
    55807, 38783, 0, // 258: rear right tread
    63569, 42070, 0, // 259: rear right tread
    63569, 38783, 0, // 260: rear right tread
    57748, 42070, 0, // 261: rear right tread
    59688, 42070, 0, // 262: rear right tread
    61629, 42070, 0, // 263: rear right tread
    57748, 38783, 0, // 264: rear right tread
    59688, 38783, 0, // 265: rear right tread
    61629, 38783, 0, // 266: rear right tread
    45235, 10931, 0, // 267: front left tyre, inside
    51323, 10931, 0, // 268: front left tyre, inside
    46127, 10032, 0, // 269: front left tyre, inside
    48279,  9139, 0, // 270: front left tyre, inside
    50431, 10032, 0, // 271: front left tyre, inside
    54527, 10931, 0, // 272: front right tyre, inside
    60616, 10931, 0, // 273: front right tyre, inside
    55420, 10032, 0, // 274: front right tyre, inside
    57572,  9139, 0, // 275: front right tyre, inside
    59723, 10032, 0, // 276: front right tyre, inside
    45235, 13491, 0, // 277: rear left tyre, inside
    51323, 13491, 0, // 278: rear left tyre, inside
    46127, 12592, 0, // 279: rear left tyre, inside
    48279, 11699, 0, // 280: rear left tyre, inside
    50431, 12592, 0, // 281: rear left tyre, inside
    54527, 13491, 0, // 282: rear right tyre, inside
    60616, 13491, 0, // 283: rear right tyre, inside
    34526,  7582, 0, // 284: right flank
    55420, 12592, 0, // 285: rear right tyre, inside
    57572, 11699, 0, // 286: rear right tyre, inside
    59723, 12592, 0, // 287: rear right tyre, inside
};

// The texture vertices of each face's corners, in the same order.
const unsigned tfacedelorean[238 * 3] = {
     41,  46,  47, // 0
    284,  82,  85, // 1
     82, 284,   5, // 2
     49,  51,  50, // 3
     50,  51,  52, // 4
      2,   4,   3, // 5
      3,   4,   6, // 6
    119, 124, 120, // 7
    119, 123, 124, // 8
    120, 124, 121, // 9
    121, 124, 125, // 10
    121, 125, 122, // 11
    122, 125, 126, // 12
     26,  29,  27, // 13
     26,  28,  29, // 14
     73,  76,  74, // 15
     73,  75,  76, // 16
    184, 186, 183, // 17
    183, 186, 185, // 18
     51,  53,  52, // 19
     52,  53,  54, // 20
      4,   7,   6, // 21
      6,   7,   8, // 22
    123, 127, 124, // 23
    124, 127, 128, // 24
    124, 128, 125, // 25
    125, 128, 129, // 26
    125, 130, 126, // 27
    125, 129, 130, // 28
     28,  31,  29, // 29
     28,  30,  31, // 30
     75,  78,  76, // 31
     75,  77,  78, // 32
    186, 188, 185, // 33
    185, 188, 187, // 34
      7,   9,   8, // 35
      7,   1,   9, // 36
    127, 131, 128, // 37
    128, 131, 132, // 38
    128, 132, 129, // 39
    129, 132, 133, // 40
    129, 134, 130, // 41
    129, 133, 134, // 42
     30,  32,  31, // 43
     31,  32,  33, // 44
    188, 190, 187, // 45
    187, 190, 189, // 46
     55,  57,  56, // 47
     56,  57,  58, // 48
      1,  11,   9, // 49
      1,  10,  11, // 50
    131, 136, 132, // 51
    131, 135, 136, // 52
    132, 136, 133, // 53
    133, 136, 137, // 54
    133, 137, 134, // 55
    134, 137, 138, // 56
     32,  34,  33, // 57
     33,  34,  35, // 58
     79,  83,  80, // 59
     79,  81,  83, // 60
    190, 192, 189, // 61
    189, 192, 191, // 62
     57,  59,  58, // 63
     58,  59,  60, // 64
     10,  13,  11, // 65
     10,  12,  13, // 66
    163, 166, 164, // 67
    163, 165, 166, // 68
     47,  46, 162, // 69
    173, 175, 174, // 70
    174, 175, 176, // 71
     34,  85,  35, // 72
     35,  85,  82, // 73
     81,  86,  83, // 74
     81,  84,  86, // 75
    192, 194, 191, // 76
    191, 194, 193, // 77
     59,  61,  60, // 78
     60,  61,  62, // 79
     12,  15,  13, // 80
     12,  14,  15, // 81
    165, 168, 166, // 82
    165, 167, 168, // 83
    139, 140,   0, // 84
      0, 140, 141, // 85
    175, 177, 176, // 86
    176, 177, 178, // 87
     84,  88,  86, // 88
     84,  87,  88, // 89
    194, 196, 193, // 90
    193, 196, 195, // 91
     61,  64,  62, // 92
     61,  63,  64, // 93
     14,  17,  15, // 94
     14,  16,  17, // 95
    167, 169, 168, // 96
    168, 169, 170, // 97
    140, 142, 141, // 98
    141, 142, 143, // 99
    177, 180, 178, // 100
    177, 179, 180, // 101
    284,  36,   5, // 102
      5,  36,  37, // 103
     87,  89,  88, // 104
     88,  89,  90, // 105
    196, 198, 195, // 106
    195, 198, 197, // 107
     63,  66,  64, // 108
     63,  65,  66, // 109
     16,  18,  17, // 110
     17,  18,  19, // 111
    169, 171, 170, // 112
    170, 171, 172, // 113
    144, 147, 145, // 114
    145, 147, 148, // 115
    179, 182, 180, // 116
    179, 181, 182, // 117
     36,  39,  37, // 118
     36,  38,  39, // 119
     89,  91,  90, // 120
     90,  91,  92, // 121
    198, 200, 197, // 122
    197, 200, 199, // 123
     18,  20,  19, // 124
     19,  20,  21, // 125
    146, 150, 147, // 126
    147, 150, 151, // 127
    147, 151, 148, // 128
    148, 151, 152, // 129
    148, 153, 149, // 130
    148, 152, 153, // 131
     38,  42,  39, // 132
     38,  40,  42, // 133
    200, 202, 199, // 134
    199, 202, 201, // 135
     67,  69,  68, // 136
     68,  69,  70, // 137
     20,  22,  21, // 138
     21,  22,  23, // 139
    150, 154, 151, // 140
    151, 154, 155, // 141
    151, 155, 152, // 142
    152, 155, 156, // 143
    152, 157, 153, // 144
    152, 156, 157, // 145
     40,  44,  42, // 146
     40,  43,  44, // 147
     93,  96,  94, // 148
     93,  95,  96, // 149
    202, 204, 201, // 150
    201, 204, 203, // 151
     69,  71,  70, // 152
     70,  71,  72, // 153
     22,  24,  23, // 154
     23,  24,  25, // 155
    154, 159, 155, // 156
    154, 158, 159, // 157
    155, 159, 156, // 158
    156, 159, 160, // 159
    156, 160, 157, // 160
    157, 160, 161, // 161
     43,  48,  44, // 162
     43,  45,  48, // 163
     95,  98,  96, // 164
     95,  97,  98, // 165
    204, 206, 203, // 166
    203, 206, 205, // 167
    218, 214, 215, // 168
    213, 207, 208, // 169
    213, 208, 209, // 170
    213, 209, 210, // 171
    213, 210, 211, // 172
    213, 211, 212, // 173
    218, 216, 217, // 174
    218, 217, 214, // 175
    219, 226, 225, // 176
    219, 225, 220, // 177
    220, 225, 224, // 178
    220, 224, 221, // 179
    221, 224, 223, // 180
    221, 223, 222, // 181
     99, 101, 102, // 182
    267, 270, 269, // 183
     99, 102, 103, // 184
    267, 271, 270, // 185
     99, 103, 100, // 186
    267, 268, 271, // 187
    228, 227, 234, // 188
    228, 234, 231, // 189
    231, 234, 235, // 190
    231, 235, 232, // 191
    232, 235, 236, // 192
    232, 236, 233, // 193
    233, 236, 229, // 194
    233, 229, 230, // 195
    104, 107, 106, // 196
    272, 274, 275, // 197
    104, 108, 107, // 198
    272, 275, 276, // 199
    104, 105, 108, // 200
    272, 276, 273, // 201
    237, 244, 238, // 202
    237, 241, 244, // 203
    241, 245, 244, // 204
    241, 242, 245, // 205
    242, 246, 245, // 206
    242, 243, 246, // 207
    243, 240, 246, // 208
    243, 239, 240, // 209
    109, 111, 112, // 210
    277, 280, 279, // 211
    109, 112, 113, // 212
    277, 281, 280, // 213
    109, 113, 110, // 214
    277, 278, 281, // 215
    248, 247, 254, // 216
    248, 254, 251, // 217
    251, 254, 255, // 218
    251, 255, 252, // 219
    252, 255, 256, // 220
    252, 256, 253, // 221
    253, 256, 249, // 222
    253, 249, 250, // 223
    114, 117, 116, // 224
    282, 285, 286, // 225
    114, 118, 117, // 226
    282, 286, 287, // 227
    114, 115, 118, // 228
    282, 287, 283, // 229
    257, 264, 258, // 230
    257, 261, 264, // 231
    261, 265, 264, // 232
    261, 262, 265, // 233
    262, 266, 265, // 234
    262, 263, 266, // 235
    263, 260, 266, // 236
    263, 259, 260, // 237
};

// clang-format on
