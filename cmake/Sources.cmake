# Source lists. The portable core builds natively and into the program;
# everything else is Win32 only.

set(QUENVO_CORE_SOURCES
  app/StartDir.cpp
  app/TextRules.cpp
)

set(QUENVO_CORE_TESTS
  tests/app/StartDirTest.cpp
  tests/app/TextRulesTest.cpp
)

set(QUENVO_FRAMEWORK_SOURCES
  framework/Str.cpp
  framework/CmdTarget.cpp
  framework/Wnd.cpp
  framework/Dialog.cpp
  framework/DataExchange.cpp
  framework/Controls.cpp
  framework/WinApp.cpp
  framework/OleControlSite.cpp
)

set(QUENVO_PROGRAM_SOURCES
  app/BrowserApp.cpp
  browser/MainDlg.cpp
)

set(QUENVO_WIN32_TESTS
  tests/support/TestMain.cpp
)
