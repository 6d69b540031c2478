# Source lists. The portable core builds natively and into the program;
# everything else is Win32 only.

set(QUENVO_CORE_SOURCES
  app/StartDir.cpp
  app/TextRules.cpp
  tabstrip/TabGeometry.cpp
  app/SettingsRules.cpp
  collection/CollectionNode.cpp
  collection/CollectionNodeList.cpp
  collection/BookmarkReader.cpp
  collection/BookmarkWriter.cpp
  collection/FileReplace.cpp
  collection/CollectionStore.cpp
  expire/ExpireRules.cpp
)

set(QUENVO_CORE_TESTS
  tests/app/StartDirTest.cpp
  tests/app/TextRulesTest.cpp
  tests/tabstrip/TabGeometryTest.cpp
  tests/app/SettingsRulesTest.cpp
  tests/collection/ReferenceReader.cpp
  tests/collection/TreeDump.cpp
  tests/collection/BookmarkGenerator.cpp
  tests/collection/CollectionNodeListTest.cpp
  tests/collection/BookmarkReaderTest.cpp
  tests/collection/ReaderEquivalenceTest.cpp
  tests/collection/BookmarkWriterTest.cpp
  tests/collection/CollectionStoreTest.cpp
  tests/expire/ExpireRulesTest.cpp
)

set(QUENVO_FRAMEWORK_SOURCES
  framework/Str.cpp
  framework/CmdTarget.cpp
  framework/Wnd.cpp
  framework/Dialog.cpp
  framework/DataExchange.cpp
  framework/Button.cpp
  framework/BitmapButton.cpp
  framework/Font.cpp
  framework/ImageList.cpp
  framework/TabCtrl.cpp
  framework/ListCtrl.cpp
  framework/ToolTipCtrl.cpp
  framework/WinApp.cpp
  framework/OleControlSite.cpp
  framework/OleDropTarget.cpp
)

set(QUENVO_PROGRAM_SOURCES
  browser/MainDlg.cpp
  browser/MainDlgNavigation.cpp
  browser/WebBrowser2.cpp
  browser/WindowArrange.cpp
  app/Settings.cpp
  app/DefaultTabs.cpp
  tabstrip/BrowserTabCtrl.cpp
  tabstrip/TabDropTarget.cpp
  expire/ExpirePageDlg.cpp
)

# The application object and the entry point are linked into the executables
# directly: nothing in the libraries refers to them.
set(QUENVO_APP_OBJECT app/BrowserApp.cpp)
set(QUENVO_ENTRY_POINT framework/AppMain.cpp)

set(QUENVO_WIN32_TESTS
  tests/support/TestMain.cpp
  tests/browser/MainDlgTest.cpp
  tests/browser/NavigationTest.cpp
  tests/tabstrip/BrowserTabCtrlTest.cpp
  tests/tabstrip/TabDropTargetTest.cpp
  tests/tabstrip/TabStripSceneTest.cpp
  tests/support/FakeWebBrowser.cpp
  tests/support/FakeWebBrowserTest.cpp
  tests/app/ResourceTest.cpp
  tests/app/StartupTest.cpp
  tests/framework/StrTest.cpp
  tests/framework/DialogTest.cpp
  tests/app/SettingsTest.cpp
  tests/browser/WindowArrangeTest.cpp
  tests/support/ModalDriver.cpp
  tests/expire/ExpirePageDlgTest.cpp
)
