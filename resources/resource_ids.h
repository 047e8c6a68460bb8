/* Resource ids of velmarin.exe and the icon indexes of velmarin.icl.
   Plain #defines only: this file is read by C++ and by the resource compiler. */
#ifndef VELMARIN_RESOURCES_RESOURCE_IDS_H_
#define VELMARIN_RESOURCES_RESOURCE_IDS_H_

/* The program's icon: the first icon group, so the shell shows it for velmarin.exe. */
#define IDI_VELMARIN 1

/* ImageList1, the launcher cells' faces (37 x 37): picture n is bitmap IDB_IMAGELIST1 + n - 1,
   1 = up, 2 = held down. */
#define IDB_IMAGELIST1 101
#define IDB_CELL_UP 101
#define IDB_CELL_DOWN 102
#define IMAGELIST1_COUNT 2

/* ImageList2, the small window cells' faces: picture n is bitmap IDB_IMAGELIST2 + n - 1.
   PushButton index k has its up face at picture 2k + 1 and its pushed face at 2k + 2:
   k = 0 StorageOpen 37 x 17, k = 1 DDExecute 19 x 17, k = 2 tClose 17 x 17. The history and
   page arrow cells (37 x 17) use picture 1. */
#define IDB_IMAGELIST2 111
#define IDB_STORAGEOPEN_UP 111
#define IDB_STORAGEOPEN_PUSHED 112
#define IDB_DDEXECUTE_UP 113
#define IDB_DDEXECUTE_PUSHED 114
#define IDB_TCLOSE_UP 115
#define IDB_TCLOSE_PUSHED 116
#define IMAGELIST2_COUNT 6

/* FileIcons, the shelf's small icons (16 x 16, with alpha): icon n is IDI_FILEICONS + n - 1,
   1 file, 2 folder, 3 program, 4 control-panel applet, 5 shortcut, 6 internal command. */
#define IDI_FILEICONS 201
#define IDI_FILEICON_FILE 201
#define IDI_FILEICON_FOLDER 202
#define IDI_FILEICON_PROGRAM 203
#define IDI_FILEICON_APPLET 204
#define IDI_FILEICON_SHORTCUT 205
#define IDI_FILEICON_INTERNAL 206
#define FILEICONS_COUNT 6

/* Icon indexes of the icon library velmarin.icl (read with ExtractIcon by index). Icons 0 to 11
   are drawn at full size (32 x 32) into the 17-pixel-high cells: the history cells at (2, 1),
   StorageOpen, DDExecute and tClose at (1, 1); each keeps its picture inside what its cell
   shows. Icons 12 and 13 fill a launcher cell, drawn at (2, 2) up and (3, 3) held down. */
#define ICL_BACK_NONE 0
#define ICL_BACK 1
#define ICL_BACK_PLAIN 2
#define ICL_FORWARD_NONE 3
#define ICL_FORWARD 4
#define ICL_FORWARD_PLAIN 5
#define ICL_SHELF_CLOSED 6
#define ICL_SHELF_OPEN 7
#define ICL_REGISTER_MODE 8
#define ICL_EXECUTE_MODE 9
#define ICL_CLOSE 10
#define ICL_CLOSE_PRESSED 11
#define ICL_INTERNAL_COMMAND 12
#define ICL_MISSING_FILE 13
#define ICL_COUNT 14

#endif /* VELMARIN_RESOURCES_RESOURCE_IDS_H_ */
