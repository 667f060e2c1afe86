#pragma once
// Command ids. One id names a command wherever it is offered: menu, toolbar, context menu and
// accelerator all carry it, and its string-table entry of the same number holds the status-bar
// prompt and, after a newline, the tool tip.

namespace netloom {

enum CommandId : int {
    ID_VIEW_TRAFFIC_PROFILES = 32771,
    ID_EDIT_PROPERTIES = 32772,
    ID_INSERT_ADAPTER = 32773,
    ID_INSERT_VIRTUAL_ADAPTER = 32774,
    ID_INSERT_TRAFFIC_PROFILE = 32775,
    ID_INSERT_PVC = 32776,
    ID_INSERT_MAPPING = 32777,
    ID_VIEW_ADVANCED = 32784,
    ID_VIEW_OPTIONS = 32785,
    ID_EDIT_DELETE = 32797,
    ID_VIEW_PROBLEMS = 32800,

    ID_WEB_SITE_FIRST = 48200,  // choose site n: 48200 + n
    ID_WEB_SITE_LAST = 48210,
    ID_WEB_PAGE_FIRST = 48400,  // open page n: 48400 + n
    ID_WEB_PAGE_LAST = 48410,

    ID_FILE_NEW = 57600,
    ID_FILE_OPEN = 57601,
    ID_FILE_SAVE = 57603,
    ID_FILE_SAVE_AS = 57604,
    ID_FILE_PRINT_SETUP = 57606,
    ID_FILE_PRINT = 57607,
    ID_FILE_PRINT_DIRECT = 57608,
    ID_FILE_PRINT_PREVIEW = 57609,
    ID_FILE_SEND_MAIL = 57612,
    ID_FILE_MRU_FIRST = 57616,  // recent file n: 57616 + n
    ID_FILE_MRU_LAST = 57631,
    ID_EDIT_COPY = 57634,
    ID_EDIT_CUT = 57635,
    ID_EDIT_FIND = 57636,
    ID_EDIT_PASTE = 57637,
    ID_EDIT_UNDO = 57643,
    ID_EDIT_REDO = 57644,
    ID_APP_ABOUT = 57664,
    ID_APP_EXIT = 57665,
    ID_HELP_FINDER = 57667,
    ID_CONTEXT_HELP = 57669,
    ID_HELP = 57670,
    ID_DEFAULT_HELP = 57671,
    ID_NEXT_PANE = 57680,
    ID_PREV_PANE = 57681,
    ID_VIEW_TOOLBAR = 59392,
    ID_VIEW_STATUS_BAR = 59393,
};

}  // namespace netloom
