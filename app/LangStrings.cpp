// The table's rows: key, then Korean, English, Japanese and Russian texts.
#include "app/LangStringTable.h"

void CLangStringTable::LoadStrings() {
  AddString(L"PLAYERDLG_VERSION", L"2.0.3", L"2.0.3", L"2.0.3", L"2.0.3");
  AddString(L"PLAYERDLG_INFORMATION", L"Information", L"Information", L"情報", L"Информация");
  AddString(L"PLAYERDLG_MINIMIZE", L"Minimize", L"Minimize", L"最小化", L"Свернуть");
  AddString(L"PLAYERDLG_CLOSE", L"Close", L"Close", L"閉じる", L"Закрыть");
  AddString(L"PLAYERDLG_FRONT", L"Front", L"Front", L"Front", L"Передняя");
  AddString(L"PLAYERDLG_REAR", L"Rear", L"Rear", L"Rear", L"Задняя");
  AddString(L"PLAYERDLG_ALL", L"All", L"All", L"All", L"Обе");
  AddString(L"PLAYERDLG_FLIPVERTICAL", L"Flip Vertical", L"Flip Vertical", L"上下反転", L"Отразить по вертикали");
  AddString(L"PLAYERDLG_FLIPHORIZONTAL", L"Flip Horizontal", L"Flip Horizontal", L"左右反転",
            L"Отразить по горизонтали");
  AddString(L"PLAYERDLG_CAPTURE", L"Capture", L"Capture", L"キャプチャー", L"Снимок кадра");
  AddString(L"PLAYERDLG_EXTEND", L"Extend", L"Extend", L"拡大", L"Развернуть");
  AddString(L"PLAYERDLG_SPLIT", L"Split", L"Split", L"Split", L"Split");
  AddString(L"PLAYERDLG_FOLDER", L"Folder", L"Folder", L"フォルダー", L"Папка");
  AddString(L"PLAYERDLG_CALENDER", L"Calender", L"Calender", L"カレンダー", L"Календарь");
  AddString(L"PLAYERDLG_SAVE", L"Save", L"Save", L"保存", L"Сохранить");
  AddString(L"PLAYERDLG_DELETE", L"Delete", L"Delete", L"削除", L"Удалить");
  AddString(L"PLAYERDLG_FILE_ALL", L"All", L"All", L"All", L"Все");
  AddString(L"PLAYERDLG_FILE_NORMAL", L"Normal", L"Normal", L"Normal", L"Обычные");
  AddString(L"PLAYERDLG_FILE_EVENT", L"Event", L"Event", L"Event", L"События");
  AddString(L"PLAYERDLG_FILE_MOTION", L"Motion", L"Motion", L"Motion", L"Парковка");
  AddString(L"PLAYERDLG_REWIND", L"Rewind", L"Rewind", L"Rewind", L"Назад");
  AddString(L"PLAYERDLG_FORWARD", L"Forward", L"Forward", L"Froward", L"Вперёд");
  AddString(L"PLAYERDLG_PLAY", L"Play", L"Play", L"Play", L"Воспроизвести");
  AddString(L"PLAYERDLG_PAUSE", L"Pause", L"Pause", L"Pause", L"Пауза");
  AddString(L"PLAYERDLG_PREV", L"Prev", L"Prev", L"Prev", L"Предидущий");
  AddString(L"PLAYERDLG_NEXT", L"Next", L"Next", L"Next", L"Следующий");
  AddString(L"PLAYERDLG_SPEED", L"Speed", L"Speed", L"再生速度", L"Скорость");
  AddString(L"PLAYERDLG_VOLUME", L"Volume", L"Volume", L"音量", L"Громкость");
  AddString(L"PLAYERDLG_BRIGHTNESS", L"Brightness", L"Brightness", L"明るさ", L"Яркость");
  AddString(L"PLAYERDLG_REDUCE", L"Reduce", L"Reduce", L"縮小", L"Уменьшить");
  AddString(L"PLAYERDLG_FILELIST", L"File List", L"File List", L"ファイリスト", L"Список файлов");
  AddString(L"PLAYERDLG_SHOW_LARGEMAP", L"Show large map", L"Show large map", L"大きい地図を表示", L"Большая карта");
  AddString(L"PLAYERDLG_SHOW_MAP", L"Show Map", L"Show Map", L"Show Map", L"Показать карту");
  AddString(L"PLAYERDLG_HIDE_MAP", L"Hide Map", L"Hide Map", L"Hide Map", L"Скрыть карту");
  AddString(L"PLAYERDLG_REDUCE_MAP", L"Reduce Map", L"Reduce Map", L"地図を縮小", L"Уменьшить карту");
  AddString(L"PLAYERDLG_NO_FILTER", L"비디오 필터가 등록되지 않았습니다.\nKELVANE를 다시 설치하세요.",
            L"Video filter is not registered.\nPlease re-install KELVANE.",
            L"Video filter is not registered.\nPlease re-install KELVANE.",
            L"Video filter is not registered.\nPlease re-install KELVANE.");
  AddString(L"INFODLG_INFORMATION", L"정보", L"Information", L"情報", L"Инормация");
  AddString(L"INFODLG_MEMORY_INFORMATION", L"메모리 정보", L"Memory Information", L"メモリー情報",
            L"Сведения о карте памяти");
  AddString(L"INFODLG_TOTAL_SPACE", L"전체 용량 :", L"Total Storage Space :", L"全体容量 :", L"Общий объём :");
  AddString(L"INFODLG_FREE_SPACE", L"남은 용량 :", L"Free Storage Space :", L"空き容量 :", L"Свободно :");
  AddString(L"INFODLG_USED_SPACE", L"사용 용량", L"Used Storage Space", L"使用容量", L"Занято");
  AddString(L"INFODLG_NORMAL", L"상시 :", L"Normal :", L"常時 :", L"Обычные :");
  AddString(L"INFODLG_EVENT", L"이벤트 :", L"Event :", L"イベント :", L"События :");
  AddString(L"INFODLG_MOTION", L"주차 :", L"Motion :", L"駐車 :", L"Парковка :");
  AddString(L"INFODLG_VERSION_INFORMATION", L"버전 정보", L"Version Information", L"バージョン情報",
            L"Сведения о версии");
  AddString(L"INFODLG_FIRMWARE_VERSION", L"KVR-3300 펌웨어 버전 :", L"KVR-3300 Firmware Version :",
            L"KVR-3300 ファームウェアバージョン :", L"Версия прошивки :");
  AddString(L"INFODLG_KELVANE_VERSION", L"KELVANE 버전 :", L"KELVANE Version :", L"KELVANEバージョン :",
            L"Версия программы для ПК :");
  AddString(L"INFODLG_CLOSE", L"Close", L"Close", L"閉じる", L"Закрыть");
  AddString(L"INFODLG_AS_TITLE", L"고객 지원 안내", L"Customer Support Info", L"サポート情報",
            L"Информация о поддержке клиентов");
  AddString(L"INFODLG_AS_INFO", L"제품을 구입하신 판매처에 문의하세요.", L"Contact the seller of the product.",
            L"製品をお買い上げの販売店にお問い合わせください。",
            L"Обратитесь к продавцу устройства или в\nсервисный центр.");
  AddString(L"INFODLG_AS_TEL", L"고객 지원: 구입하신 판매처", L"", L"", L"");
  AddString(L"SELECTDLG_TITLE", L"드라이브 선택", L"Select Drive", L"ドライブの選択", L"Выбор диска");
  AddString(L"SELECTDLG_CONTEXT1_1", L"드라이브:", L"Drive:", L"ドライブ:", L"Диск:");
  AddString(L"SELECTDLG_CONTEXT1_2", L"메모리 카드가 들어 있는 드라이브를 선택하세요.",
            L"Select a drive with a memory card.", L"メモリーカードのドライブを選択してください。",
            L"Выберите диск с картой памяти.");
  AddString(L"SELECTDLG_CONTEXT1_3", L"이동식 디스크", L"Portable Disk", L"リムーバブルディスク", L"Съёмный диск");
  AddString(L"MONTHDLG_TITLE", L"날짜 선택", L"Date Selection", L"日付の選択", L"Выбор даты");
  AddString(L"FOLDERDLG_TITLE", L"폴더 찾아보기", L"Browse Folders", L"フォルダーの参照", L"Обзор папок");
  AddString(L"FOLDERDLG_CONTENTS", L"폴더 선택", L"Select Folder", L"フォルダーを選択", L"Выберите папку");
  AddString(L"SAVEDLG_TITLE", L"저장", L"Save", L"保存", L"Сохранение");
  AddString(L"SAVEDLG_CONTENTS", L"폴더를 선택하세요.", L"Please select the folder.", L"Please select the folder.",
            L"Please select the folder.");
  AddString(L"ALERTDLG_NO_MEMORYCARD", L"메모리 카드를 찾을 수 없습니다.", L"Can't find the memory card.",
            L"メモリーカードが見つかりません。", L"Отсутствует карта памяи");
  AddString(L"DELETEDLG_CONTEXT1_1", L"선택한 파일을 삭제하시겠습니까?", L"Delete selected file?",
            L"選択したファイルを削除しますか?", L"Удалить выбранные файлы?");
  AddString(L"DELETEDLG_CONTEXT1_2", L"재생 중인 파일은 삭제할 수 없습니다.", L"Files being played can't be deleted.",
            L"再生中のファイルは削除できません。", L"Воспроизводимый файл нельзя удалить.");
  AddString(L"PLAYERDLG_GPS_FILENOTFOUND", L"GPS 데이터가 없습니다.", L"Detected no GPS datas.",
            L"GPSデータがありません。", L"Данные GPS не найдены.");
  AddString(L"PLAYERDLG_PLAY_FAIL", L"파일을 재생할 수 없습니다.", L"Can't play a file.", L"ファイルを再生できません。",
            L"Не удаётся воспроизвести файл.");
  AddString(L"SPLITDLG_TITLE", L"Split", L"Split", L"Split", L"Split");
  AddString(L"SPLITDLG_START_TITLE", L"시작", L"Start", L"開始", L"Start");
  AddString(L"SPLITDLG_CANCEL_TITLE", L"취소", L"Cancel", L"キャンセル", L"Cancel");
  AddString(L"SPLITDLG_COMPLETE_TITLE", L"Complete", L"Complete", L"完了", L"Complete");
  AddString(L"SPLITDLG_SPLITING_TITLE", L"분할중...", L"splitting", L"割り分け中", L"splitting");
  AddString(L"SPLITDLG_FRONT_TITLE", L"전방", L"Front", L"フロント", L"Front");
  AddString(L"SPLITDLG_REAR_TITLE", L"후방", L"Rear", L"リア", L"Rear");
  AddString(L"SPLITDLG_FRONT_FAIL", L"전방 영상을 분할할 수 없습니다.", L"Can't split the front video.",
            L"フロント映像を分割できません。", L"Не удаётся отделить видео передней камеры.");
  AddString(L"SPLITDLG_REAR_FAIL", L"후방 영상을 분할할 수 없습니다.", L"Can't split the rear video.",
            L"リア映像を分割できません。", L"Не удаётся отделить видео задней камеры.");
  AddString(L"SPLITDLG_FOLDER_FAIL", L"분할한 파일을 저장할 폴더를 만들 수 없습니다.",
            L"Can't create the folder for split files.", L"分割したファイルの保存フォルダーを作成できません。",
            L"Не удаётся создать папку для разделённых файлов.");
  AddString(L"SPLITDLG_NAME_FAIL", L"파일 이름이나 폴더에 따옴표(\")가 있어 분할할 수 없습니다.",
            L"Can't split a file whose name or folder has a quotation mark (\").",
            L"ファイル名またはフォルダーに引用符(\")があるため分割できません。",
            L"Не удаётся разделить файл: в имени файла или папки есть кавычка (\").");
}
