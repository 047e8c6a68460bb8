#include "launch/cpl_list.h"

#include "core/strings.h"

namespace velmarin {

void CplListLoad(App& app) {
  app.CplList = {
      {"imeip.cpl", "変換中の文字列の色"},
      {"inetcpl.cpl", "インターネット オプション"},
      {"intl.cpl", "地域のプロパティ"},
      {"joy.cpl", "ゲーム コントローラ"},
      {"main.cpl", "マウス"},
      {"mlcfg32.cpl", "インターネット アカウント"},
      {"mmsys.cpl", "マルチメディア"},
      {"modem.cpl", "モデム"},
      {"netcpl.cpl", "ネットワーク"},
      {"odbccp32.cpl", "ODBC データ ソース アドミニストレータ"},
      {"password.cpl", "パスワード"},
      {"powercfg.cpl", "電源の管理"},
      {"sticpl.cpl", "スキャナとカメラ"},
      {"sysdm.cpl", "システム"},
      {"telephone.cpl", "テレフォニー"},
      {"themes.cpl", "デスクトップ テーマ"},
      {"timedate.cpl", "日付と時刻"},
      {"access.cpl", "ユーザ補助"},
      {"appwiz.cpl", "アプリケーションの追加と削除"},
      {"desk.cpl", "画面"},
      {"findfast.cpl", "Find Fast"},
  };
}

int16_t CplListSearch(const App& app, const std::string& cplFile) {
  if (cplFile.empty()) return -1;
  const std::string wanted = UpperAscii(cplFile);
  for (size_t i = 0; i < app.CplList.size(); ++i) {
    if (UpperAscii(app.CplList[i].fileName) == wanted) return static_cast<int16_t>(i);
  }
  return -1;
}

}  // namespace velmarin
