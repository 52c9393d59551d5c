<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="zh_TW">
<context>
    <name>FileRepairs</name>
    <message>
        <source>Some settings in &quot;%1&quot; could not be used and were set back to their defaults.</source>
        <translation>「%1」中的部分設定無法使用，已恢復為預設值。</translation>
    </message>
    <message>
        <source>&quot;%1&quot; can't be read; it was kept as &quot;%2&quot; and defaults are used.</source>
        <translation>無法讀取「%1」；已將其保存為「%2」，並使用預設值。</translation>
    </message>
    <message>
        <source>&quot;%1&quot; can't be read and can't be moved aside; defaults are used.</source>
        <translation>無法讀取「%1」，也無法將其移到一旁；已使用預設值。</translation>
    </message>
</context>
<context>
    <name>SafeFile</name>
    <message>
        <source>The file can't be read: %1</source>
        <translation>無法讀取檔案：%1</translation>
    </message>
    <message>
        <source>The file can't be put in place: %1</source>
        <translation>無法將檔案放到目標位置：%1</translation>
    </message>
    <message>
        <source>The file can't be flushed to the medium: %1</source>
        <translation>無法將檔案寫入儲存媒體：%1</translation>
    </message>
    <message>
        <source>The file can't be written completely: %1</source>
        <translation>無法完整寫入檔案：%1</translation>
    </message>
    <message>
        <source>The file can't be created: %1</source>
        <translation>無法建立檔案：%1</translation>
    </message>
</context>
<context>
    <name>Keyboard</name>
    <message>
        <location filename="../src/forms/Keyboard.ui" line="8"/>
        <source>Keyboard</source>
        <translation>鍵盤</translation>
    </message>
    <message>
        <location filename="../src/forms/Keyboard.ui" line="152"/>
        <source>Backspace</source>
        <translation>退格</translation>
    </message>
    <message>
        <location filename="../src/forms/Keyboard.ui" line="246"/>
        <source>CapsLock</source>
        <translation>大寫鎖定</translation>
    </message>
    <message>
        <location filename="../src/forms/Keyboard.ui" line="320"/>
        <source>Enter</source>
        <translation>回車</translation>
    </message>
    <message>
        <location filename="../src/forms/Keyboard.ui" line="327"/>
        <source>Shift</source>
        <translation>上檔</translation>
    </message>
    <message>
        <location filename="../src/forms/Keyboard.ui" line="458"/>
        <source>Close</source>
        <translation>關閉</translation>
    </message>
</context>
<context>
    <name>ImageViewer</name>
    <message>
        <location filename="../src/forms/ImageViewer.ui" line="14"/>
        <location filename="../src/viewer/ImageViewer.cpp" line="198"/>
        <source>Image Viewer</source>
        <translation>圖片瀏覽器</translation>
    </message>
    <message>
        <location filename="../src/forms/ImageViewer.ui" line="85"/>
        <source>zoom in</source>
        <translation>放大</translation>
    </message>
    <message>
        <location filename="../src/forms/ImageViewer.ui" line="122"/>
        <source>zoom out</source>
        <translation>縮小</translation>
    </message>
    <message>
        <location filename="../src/forms/ImageViewer.ui" line="172"/>
        <source>adapted to window size</source>
        <translation>適應視窗大小</translation>
    </message>
    <message>
        <location filename="../src/forms/ImageViewer.ui" line="209"/>
        <source>image original size</source>
        <translation>圖片原始大小</translation>
    </message>
    <message>
        <location filename="../src/forms/ImageViewer.ui" line="259"/>
        <source>previous image</source>
        <translation>上一張圖片</translation>
    </message>
    <message>
        <location filename="../src/forms/ImageViewer.ui" line="296"/>
        <source>next image</source>
        <translation>下一張圖片</translation>
    </message>
    <message>
        <location filename="../src/forms/ImageViewer.ui" line="346"/>
        <source>rotate left</source>
        <translation>向左旋轉</translation>
    </message>
    <message>
        <location filename="../src/forms/ImageViewer.ui" line="383"/>
        <source>rotate right</source>
        <translation>向右旋轉</translation>
    </message>
    <message>
        <location filename="../src/forms/ImageViewer.ui" line="433"/>
        <source>delete this image</source>
        <translation>刪除此圖片</translation>
    </message>
    <message>
        <location filename="../src/viewer/ImageViewer.cpp" line="134"/>
        <location filename="../src/viewer/ImageViewer.cpp" line="138"/>
        <location filename="../src/viewer/ImageViewer.cpp" line="141"/>
        <location filename="../src/viewer/ImageViewer.cpp" line="149"/>
        <location filename="../src/viewer/ImageViewer.cpp" line="167"/>
        <source>Warning</source>
        <translation>警告</translation>
    </message>
    <message>
        <location filename="../src/viewer/ImageViewer.cpp" line="135"/>
        <source>This image is not in the image list of its folder and can't be deleted here!</source>
        <translation>此圖片不在其資料夾的圖片清單中，無法在此刪除！</translation>
    </message>
    <message>
        <location filename="../src/viewer/ImageViewer.cpp" line="138"/>
        <source>Are you sure to delete this image?</source>
        <translation>確定要刪除此圖片嗎？</translation>
    </message>
    <message>
        <location filename="../src/viewer/ImageViewer.cpp" line="142"/>
        <source>Can't delete this image!
The storage may be write-protected, or the file was already removed.</source>
        <translation>無法刪除此圖片！
儲存裝置可能已防寫，或檔案已被刪除。</translation>
    </message>
    <message>
        <location filename="../src/viewer/ImageViewer.cpp" line="149"/>
        <source>All images are delete, will close image viewer!</source>
        <translation>所有圖片已刪除，將關閉圖片瀏覽器！</translation>
    </message>
    <message>
        <location filename="../src/viewer/ImageViewer.cpp" line="167"/>
        <source>Can't open this image!</source>
        <translation>無法開啟此圖片！</translation>
    </message>
    <message>
        <source>measure this image</source>
        <translation>重新測量此圖片</translation>
    </message>
</context>
<context>
    <name>CalibrateDialog</name>
    <message>
        <location filename="../src/forms/CalibrateDialog.ui" line="6"/>
        <source>Calibration</source>
        <translation>標定</translation>
    </message>
    <message>
        <location filename="../src/forms/CalibrateDialog.ui" line="7"/>
        <source>Ok</source>
        <translation>確定</translation>
    </message>
    <message>
        <location filename="../src/forms/CalibrateDialog.ui" line="8"/>
        <source>Name</source>
        <translation>名稱</translation>
    </message>
    <message>
        <location filename="../src/forms/CalibrateDialog.ui" line="9"/>
        <source>Length</source>
        <translation>長度</translation>
    </message>
    <message>
        <location filename="../src/forms/CalibrateDialog.ui" line="10"/>
        <source>Unit</source>
        <translation>單位</translation>
    </message>
    <message>
        <location filename="../src/forms/CalibrateDialog.ui" line="14"/>
        <source>RealPixel: </source>
        <translation>像素值: </translation>
    </message>
    <message>
        <location filename="../src/forms/CalibrateDialog.ui" line="15"/>
        <source>RealRuler: </source>
        <translation>比例: </translation>
    </message>
    <message>
        <location filename="../src/forms/CalibrateDialog.ui" line="16"/>
        <source>pixels</source>
        <translation>pixels</translation>
    </message>
    <message>
        <location filename="../src/forms/CalibrateDialog.ui" line="17"/>
        <source>mm/pixel</source>
        <translation>mm/像素</translation>
    </message>
    <message>
        <location filename="../src/forms/CalibrateDialog.ui" line="18"/>
        <source>Cancel</source>
        <translation>取消</translation>
    </message>
    <message>
        <location filename="../src/calibration/CalibrateDialog.cpp" line="31"/>
        <location filename="../src/calibration/CalibrateDialog.cpp" line="199"/>
        <source>pixel,mm,inch</source>
        <translation>像素,mm,inch</translation>
    </message>
    <message>
        <location filename="../src/calibration/CalibrateDialog.cpp" line="50"/>
        <location filename="../src/calibration/CalibrateDialog.cpp" line="66"/>
        <source> pixels</source>
        <translation> 像素</translation>
    </message>
    <message>
        <location filename="../src/calibration/CalibrateDialog.cpp" line="63"/>
        <source> mm/pixel</source>
        <translation> mm/像素</translation>
    </message>
    <message>
        <location filename="../src/calibration/CalibrateDialog.cpp" line="63"/>
        <source> inch/pixel</source>
        <translation> inch/像素</translation>
    </message>
    <message>
        <location filename="../src/calibration/CalibrateDialog.cpp" line="76"/>
        <source>The Name or Length is empty!
please enter the name or length!</source>
        <translation>名稱或長度為空！
請輸入名稱和長度！</translation>
    </message>
    <message>
        <location filename="../src/calibration/CalibrateDialog.cpp" line="78"/>
        <source>The calibration measures 0 pixels!
Please draw it again over the feature.</source>
        <translation>標定測得 0 像素！
請在特徵上重新繪製。</translation>
    </message>
    <message>
        <location filename="../src/calibration/CalibrateDialog.cpp" line="80"/>
        <source>The length must be a number greater than 0!</source>
        <translation>長度必須是大於 0 的數字！</translation>
    </message>
    <message>
        <location filename="../src/calibration/CalibrateDialog.cpp" line="95"/>
        <source>Warning</source>
        <translation>警告</translation>
    </message>
</context>
<context>
    <name>CustomLine</name>
    <message>
        <location filename="../src/items/CustomLine.cpp" line="112"/>
        <source>Line property</source>
        <translation>線屬性</translation>
    </message>
</context>
<context>
    <name>Frame</name>
    <message>
        <source>Settings repaired</source>
        <translation>設定已修復</translation>
    </message>
    <message>
        <location filename="../src/forms/Frame.ui" line="14"/>
        <source>Frame</source>
        <translation>主視窗</translation>
    </message>
    <message>
        <location filename="../src/app/Frame.cpp" line="335"/>
        <source>Warning</source>
        <translation>警告</translation>
    </message>
    <message>
        <location filename="../src/app/Frame.cpp" line="1"/>
        <source>The picture could not be saved!</source>
        <translation>圖片無法儲存！</translation>
    </message>
    <message>
        <source>Can&apos;t open this image!</source>
        <translation>無法開啟此圖片！</translation>
    </message>
    <message>
        <source>The picture was saved, but its measurement file could not be written: its measurements can&apos;t be opened again.</source>
        <translation>圖片已儲存，但無法寫入其測量檔案：其測量無法再次開啟。</translation>
    </message>
    <message>
        <source>The items on the screen will be replaced by those of the picture. Continue?</source>
        <translation>螢幕上的測量項將被該圖片的測量項取代。是否繼續？</translation>
    </message>
    <message numerus="yes">
        <source>%n item(s) of the measurement file could not be read and were skipped.</source>
        <translation>
            <numerusform>測量檔案中有 %n 個測量項無法讀取，已略過。</numerusform>
        </translation>
    </message>
    <message>
        <source>Computed again, these values differ from those stored in the measurement file: %1</source>
        <translation>重新計算後，以下數值與測量檔案中儲存的不同：%1</translation>
    </message>
    <message>
        <source>The measurements on this picture were changed and not captured. Return to the live picture and lose the changes?</source>
        <translation>此圖片上的測量已變更但尚未拍照儲存。返回即時畫面並放棄這些變更嗎？</translation>
    </message>
</context>
<context>
    <name>LinePropertyDialog</name>
    <message>
        <location filename="../src/forms/LinePropertyDialog.ui" line="14"/>
        <source>Line property</source>
        <translation>線屬性</translation>
    </message>
    <message>
        <location filename="../src/forms/LinePropertyDialog.ui" line="31"/>
        <source>X:</source>
        <translation>X:</translation>
    </message>
    <message>
        <location filename="../src/forms/LinePropertyDialog.ui" line="62"/>
        <source>Y:</source>
        <translation>Y:</translation>
    </message>
    <message>
        <location filename="../src/forms/LinePropertyDialog.ui" line="88"/>
        <source>Width:</source>
        <translation>線寬:</translation>
    </message>
    <message>
        <location filename="../src/forms/LinePropertyDialog.ui" line="117"/>
        <source>Color:</source>
        <translation>顏色:</translation>
    </message>
    <message>
        <location filename="../src/items/LinePropertyDialog.cpp" line="58"/>
        <source>Select line color</source>
        <translation>選擇線條顏色</translation>
    </message>
</context>
<context>
    <name>Menu</name>
    <message>
        <source>Undo</source>
        <translation>復原</translation>
    </message>
    <message>
        <source>Redo</source>
        <translation>重做</translation>
    </message>
    <message>
        <location filename="../src/forms/Menu.ui" line="40"/>
        <source>Calibration</source>
        <translation>標定</translation>
    </message>
    <message>
        <location filename="../src/forms/Menu.ui" line="109"/>
        <source>Main Tools</source>
        <translation>主要工具</translation>
    </message>
    <message>
        <location filename="../src/forms/Menu.ui" line="307"/>
        <source>Custom Lines</source>
        <translation>自訂線</translation>
    </message>
    <message>
        <location filename="../src/forms/Menu.ui" line="342"/>
        <location filename="../src/forms/Menu.ui" line="378"/>
        <source>OK</source>
        <translation>確定</translation>
    </message>
    <message>
        <location filename="../src/forms/Menu.ui" line="391"/>
        <source>Read</source>
        <translation>讀取</translation>
    </message>
    <message>
        <location filename="../src/forms/Menu.ui" line="404"/>
        <source>Save</source>
        <translation>儲存</translation>
    </message>
    <message>
        <location filename="../src/forms/Menu.ui" line="418"/>
        <source>Assist Tools</source>
        <translation>輔助工具</translation>
    </message>
    <message>
        <location filename="../src/forms/Menu.ui" line="608"/>
        <source>up</source>
        <translation>升級</translation>
    </message>
    <message>
        <location filename="../src/panel/Menu.cpp" line="117"/>
        <location filename="../src/panel/Menu.cpp" line="895"/>
        <source>pixel,mm,um,inch,mil</source>
        <translation>像素,mm,um,inch,mil</translation>
    </message>
    <message>
        <location filename="../src/panel/Menu.cpp" line="261"/>
        <location filename="../src/panel/Menu.cpp" line="279"/>
        <location filename="../src/panel/Menu.cpp" line="439"/>
        <location filename="../src/panel/Menu.cpp" line="458"/>
        <location filename="../src/panel/Menu.cpp" line="516"/>
        <location filename="../src/panel/Menu.cpp" line="530"/>
        <location filename="../src/panel/Menu.cpp" line="535"/>
        <location filename="../src/panel/Menu.cpp" line="540"/>
        <location filename="../src/panel/Menu.cpp" line="545"/>
        <location filename="../src/panel/Menu.cpp" line="619"/>
        <location filename="../src/panel/Menu.cpp" line="760"/>
        <location filename="../src/panel/Menu.cpp" line="812"/>
        <source>Warning</source>
        <translation>警告</translation>
    </message>
    <message>
        <location filename="../src/panel/Menu.cpp" line="496"/>
        <source>Save Excel File</source>
        <translation>儲存表格檔案</translation>
    </message>
    <message>
        <location filename="../src/panel/Menu.cpp" line="496"/>
        <source>Files (*.csv)</source>
        <translation>檔案 (*.csv)</translation>
    </message>
    <message>
        <location filename="../src/panel/Menu.cpp" line="530"/>
        <location filename="../src/panel/Menu.cpp" line="812"/>
        <source>U disk isn't exists! Please insert U disk!</source>
        <translation>隨身碟不存在！請插入隨身碟！</translation>
    </message>
    <message>
        <location filename="../src/panel/Menu.cpp" line="599"/>
        <location filename="../src/panel/Menu.cpp" line="601"/>
        <source>Save Image File</source>
        <translation>儲存圖片</translation>
    </message>
    <message>
        <location filename="../src/panel/Menu.cpp" line="599"/>
        <source>Image (*.jpg);;Image (*.bmp)</source>
        <translation>圖片 (*.jpg);;圖片 (*.bmp)</translation>
    </message>
    <message>
        <location filename="../src/panel/Menu.cpp" line="601"/>
        <source>Image (*.bmp);;Image (*.jpg)</source>
        <translation>圖片 (*.bmp);;圖片 (*.jpg)</translation>
    </message>
    <message>
        <location filename="../src/panel/Menu.cpp" line="754"/>
        <source>Save Configuration File</source>
        <translation>儲存設定檔</translation>
    </message>
    <message>
        <location filename="../src/panel/Menu.cpp" line="754"/>
        <location filename="../src/panel/Menu.cpp" line="771"/>
        <source>Files (*.ini)</source>
        <translation>檔案 (*.ini)</translation>
    </message>
    <message>
        <location filename="../src/panel/Menu.cpp" line="1"/>
        <source>Select size and color</source>
        <translation>選擇大小和顏色</translation>
    </message>
    <message>
        <location filename="../src/forms/Menu.ui" line="467"/>
        <source>0.1</source>
        <translation>0.1</translation>
    </message>
    <message>
        <location filename="../src/forms/Menu.ui" line="464"/>
        <source>snap to edges to a tenth of a pixel</source>
        <translation>亞像素邊緣捕捉（精確到十分之一像素）</translation>
    </message>
    <message>
        <location filename="../src/forms/Menu.ui" line="1"/>
        <source>Statistics</source>
        <translation>統計</translation>
    </message>
</context>
<context>
    <name>NumericKeypadDialog</name>
    <message>
        <location filename="../src/forms/NumericKeypadDialog.ui" line="29"/>
        <source>Del</source>
        <translation>刪除</translation>
    </message>
    <message>
        <location filename="../src/forms/NumericKeypadDialog.ui" line="53"/>
        <source>Clear</source>
        <translation>清空</translation>
    </message>
    <message>
        <location filename="../src/forms/NumericKeypadDialog.ui" line="95"/>
        <source>Enter</source>
        <translation>確認</translation>
    </message>
</context>
<context>
    <name>ccdSetDialog</name>
    <message>
        <source>Exposure did not settle; last values kept</source>
        <translation>曝光未能穩定，保留最後的數值</translation>
    </message>
    <message>
        <source>White balance did not settle; last values kept</source>
        <translation>白平衡未能穩定，保留最後的數值</translation>
    </message>
    <message>
        <source>The camera settings could not be saved to &quot;%1&quot; and the file is as before.
%2</source>
        <translation>相機設定無法儲存到「%1」，該檔案保持不變。
%2</translation>
    </message>
    <message>
        <source>Warning</source>
        <translation>警告</translation>
    </message>
    <message>
        <location filename="../src/forms/ccdSetDialog.ui" line="6"/>
        <location filename="../src/hardware/ccdSetDialog.cpp" line="63"/>
        <source>Camera setting</source>
        <translation>相機設定</translation>
    </message>
    <message>
        <location filename="../src/forms/ccdSetDialog.ui" line="13"/>
        <source>R</source>
        <translation>R</translation>
    </message>
    <message>
        <location filename="../src/forms/ccdSetDialog.ui" line="16"/>
        <source>G</source>
        <translation>G</translation>
    </message>
    <message>
        <location filename="../src/forms/ccdSetDialog.ui" line="19"/>
        <source>B</source>
        <translation>B</translation>
    </message>
    <message>
        <location filename="../src/forms/ccdSetDialog.ui" line="22"/>
        <source>HDR</source>
        <translation>HDR</translation>
    </message>
    <message>
        <location filename="../src/forms/ccdSetDialog.ui" line="25"/>
        <source>SE</source>
        <translation>SE</translation>
    </message>
    <message>
        <location filename="../src/forms/ccdSetDialog.ui" line="28"/>
        <source>AE</source>
        <translation>AE</translation>
    </message>
    <message>
        <location filename="../src/forms/ccdSetDialog.ui" line="29"/>
        <source>AWB</source>
        <translation>AWB</translation>
    </message>
    <message>
        <location filename="../src/forms/ccdSetDialog.ui" line="30"/>
        <location filename="../src/hardware/ccdSetDialog.cpp" line="64"/>
        <source>Lock</source>
        <translation>鎖定</translation>
    </message>
    <message>
        <location filename="../src/forms/ccdSetDialog.ui" line="31"/>
        <source>OK</source>
        <translation>確定</translation>
    </message>
    <message>
        <location filename="../src/forms/ccdSetDialog.ui" line="32"/>
        <source>Cancel</source>
        <translation>取消</translation>
    </message>
    <message>
        <location filename="../src/hardware/ccdSetDialog.cpp" line="64"/>
        <source>Unlock</source>
        <translation>解鎖</translation>
    </message>
</context>
<context>
    <name>ToolPalette</name>
    <message>
        <location filename="../src/panel/ToolPalette.cpp" line="1"/>
        <source>cross line</source>
        <translation>十字線</translation>
    </message>
    <message>
        <location filename="../src/panel/ToolPalette.cpp" line="1"/>
        <source>line</source>
        <translation>直線</translation>
    </message>
    <message>
        <location filename="../src/panel/ToolPalette.cpp" line="1"/>
        <source>horizontal line</source>
        <translation>水平線</translation>
    </message>
    <message>
        <location filename="../src/panel/ToolPalette.cpp" line="1"/>
        <source>vertical line</source>
        <translation>垂直線</translation>
    </message>
    <message>
        <location filename="../src/panel/ToolPalette.cpp" line="1"/>
        <source>distance between parallel lines</source>
        <translation>平行線間距</translation>
    </message>
    <message>
        <location filename="../src/panel/ToolPalette.cpp" line="1"/>
        <source>distance between custom parallel lines</source>
        <translation>自訂平行線間距</translation>
    </message>
    <message>
        <location filename="../src/panel/ToolPalette.cpp" line="1"/>
        <source>distance from point to line</source>
        <translation>點到線距離</translation>
    </message>
    <message>
        <location filename="../src/panel/ToolPalette.cpp" line="1"/>
        <source>angle</source>
        <translation>角度</translation>
    </message>
    <message>
        <location filename="../src/panel/ToolPalette.cpp" line="1"/>
        <source>rectangle</source>
        <translation>矩形</translation>
    </message>
    <message>
        <location filename="../src/panel/ToolPalette.cpp" line="1"/>
        <source>polygon</source>
        <translation>多邊形</translation>
    </message>
    <message>
        <location filename="../src/panel/ToolPalette.cpp" line="1"/>
        <source>dual parallel lines</source>
        <translation>雙平行線</translation>
    </message>
    <message>
        <location filename="../src/panel/ToolPalette.cpp" line="1"/>
        <source>radian</source>
        <translation>圓弧</translation>
    </message>
    <message>
        <location filename="../src/panel/ToolPalette.cpp" line="1"/>
        <source>circle</source>
        <translation>圓</translation>
    </message>
    <message>
        <location filename="../src/panel/ToolPalette.cpp" line="1"/>
        <source>distance from point to center of circle</source>
        <translation>點到圓心距離</translation>
    </message>
    <message>
        <location filename="../src/panel/ToolPalette.cpp" line="1"/>
        <source>distance from line to center of circle</source>
        <translation>線到圓心距離</translation>
    </message>
    <message>
        <location filename="../src/panel/ToolPalette.cpp" line="1"/>
        <source>distance between center of circles</source>
        <translation>圓心距</translation>
    </message>
    <message>
        <location filename="../src/panel/ToolPalette.cpp" line="1"/>
        <source>concentric circles</source>
        <translation>同心圓</translation>
    </message>
    <message>
        <location filename="../src/panel/ToolPalette.cpp" line="1"/>
        <source>distance between center of parallel lines</source>
        <translation>平行線中線間距</translation>
    </message>
    <message>
        <location filename="../src/panel/ToolPalette.cpp" line="1"/>
        <source>circle fitted to points</source>
        <translation>多點擬合圓</translation>
    </message>
</context>
<context>
    <name>ResultsTable</name>
    <message>
        <location filename="../src/panel/ResultsTable.cpp" line="1"/>
        <source>index</source>
        <translation>序號</translation>
    </message>
    <message>
        <location filename="../src/panel/ResultsTable.cpp" line="1"/>
        <source>item</source>
        <translation>項目</translation>
    </message>
    <message>
        <location filename="../src/panel/ResultsTable.cpp" line="1"/>
        <source>value</source>
        <translation>數值</translation>
    </message>
    <message>
        <location filename="../src/panel/ResultsTable.cpp" line="1"/>
        <source>delete</source>
        <translation>刪除</translation>
    </message>
    <message>
        <location filename="../src/panel/ResultsTable.cpp" line="1"/>
        <source>delete all</source>
        <translation>全部刪除</translation>
    </message>
    <message>
        <location filename="../src/panel/ResultsTable.cpp" line="1"/>
        <source>Warning</source>
        <translation>警告</translation>
    </message>
    <message>
        <location filename="../src/panel/ResultsTable.cpp" line="1"/>
        <source>Are you sure to delete this result?</source>
        <translation>確定刪除此結果嗎？</translation>
    </message>
    <message>
        <location filename="../src/panel/ResultsTable.cpp" line="1"/>
        <source>Are you sure to delete the all results?</source>
        <translation>確定刪除全部結果嗎？</translation>
    </message>
    <message>
        <location filename="../src/panel/ResultsTable.cpp" line="1"/>
        <source>Can't open file for writing!</source>
        <translation>無法寫入檔案！</translation>
    </message>
    <message>
        <location filename="../src/panel/ResultsTable.cpp" line="1"/>
        <source>result</source>
        <translation>判定</translation>
    </message>
    <message>
        <location filename="../src/panel/ResultsTable.cpp" line="1"/>
        <source>OK</source>
        <translation>合格</translation>
    </message>
    <message>
        <location filename="../src/panel/ResultsTable.cpp" line="1"/>
        <source>NG</source>
        <translation>不合格</translation>
    </message>
    <message>
        <location filename="../src/panel/ResultsTable.cpp" line="1"/>
        <source>Result</source>
        <translation>判定結果</translation>
    </message>
    <message>
        <location filename="../src/panel/ResultsTable.cpp" line="1"/>
        <source>Tolerance...</source>
        <translation>公差...</translation>
    </message>
    <message>
        <location filename="../src/panel/ResultsTable.cpp" line="1"/>
        <source>The statistics could not be saved to %1!</source>
        <translation>無法將統計儲存到 %1！</translation>
    </message>
</context>
<context>
    <name>StorageActions</name>
    <message>
        <location filename="../src/panel/StorageActions.cpp" line="1"/>
        <source>Warning</source>
        <translation>警告</translation>
    </message>
    <message>
        <location filename="../src/panel/StorageActions.cpp" line="1"/>
        <source>U disk isn't exists! Please insert U disk!</source>
        <translation>隨身碟不存在！請插入隨身碟！</translation>
    </message>
    <message>
        <location filename="../src/panel/StorageActions.cpp" line="1"/>
        <source>U disk space is insufficient! Please change another U disk!</source>
        <translation>隨身碟空間不足！請更換隨身碟！</translation>
    </message>
    <message>
        <location filename="../src/panel/StorageActions.cpp" line="1"/>
        <source>Can't open file for writing!</source>
        <translation>無法寫入檔案！</translation>
    </message>
    <message>
        <location filename="../src/panel/StorageActions.cpp" line="1"/>
        <source>No free file name is left in %1. Please move or delete old files.</source>
        <translation>%1 中已沒有可用的檔名。請移走或刪除舊檔案。</translation>
    </message>
    <message>
        <source>Image (*.jpg);;Image (*.bmp)</source>
        <translation>圖片 (*.jpg);;圖片 (*.bmp)</translation>
    </message>
    <message>
        <source>Image (*.bmp);;Image (*.jpg)</source>
        <translation>圖片 (*.bmp);;圖片 (*.jpg)</translation>
    </message>
    <message>
        <source>Open Image File</source>
        <translation>打開圖片檔案</translation>
    </message>
</context>
<context>
    <name>RulerPicker</name>
    <message>
        <location filename="../src/panel/RulerPicker.cpp" line="1"/>
        <source>Line</source>
        <translation>直線</translation>
    </message>
    <message>
        <location filename="../src/panel/RulerPicker.cpp" line="1"/>
        <source>Circle</source>
        <translation>圓</translation>
    </message>
    <message>
        <location filename="../src/panel/RulerPicker.cpp" line="1"/>
        <source>Warning</source>
        <translation>警告</translation>
    </message>
    <message>
        <location filename="../src/panel/RulerPicker.cpp" line="1"/>
        <source>Are you sure to delete this calibration?</source>
        <translation>確定刪除此標定嗎？</translation>
    </message>
    <message>
        <location filename="../src/panel/RulerPicker.cpp" line="1"/>
        <source>Can't convert this pixel to other!</source>
        <translation>像素標定無法換算為其他單位！</translation>
    </message>
</context>
<context>
    <name>ReferenceLines</name>
</context>
<context>
    <name>PanelFiles</name>
    <message>
        <source>&quot;%1&quot; holds no line settings; it was left as it is.</source>
        <translation>「%1」中沒有參考線設定，檔案保持原樣。</translation>
    </message>
    <message>
        <source>The settings could not be saved to &quot;%1&quot; and the file is as before.
%2</source>
        <translation>設定無法儲存到「%1」，該檔案保持不變。
%2</translation>
    </message>
    <message>
        <location filename="../src/panel/PanelFiles.cpp" line="1"/>
        <source>Warning</source>
        <translation>警告</translation>
    </message>
    <message>
        <location filename="../src/panel/PanelFiles.cpp" line="1"/>
        <source>Can't open file for writing!</source>
        <translation>無法寫入檔案！</translation>
    </message>
    <message>
        <location filename="../src/panel/PanelFiles.cpp" line="1"/>
        <source>Open Configuration File</source>
        <translation>開啟設定檔</translation>
    </message>
    <message>
        <location filename="../src/panel/PanelFiles.cpp" line="1"/>
        <source>Files (*.ini)</source>
        <translation>檔案 (*.ini)</translation>
    </message>
</context>
<context>
    <name>TextDialog</name>
    <message>
        <location filename="../src/panel/TextDialog.cpp" line="1"/>
        <source>L1</source>
        <translation>L1</translation>
    </message>
    <message>
        <location filename="../src/panel/TextDialog.cpp" line="1"/>
        <source>L1=3.141mm</source>
        <translation>L1=3.141mm</translation>
    </message>
    <message>
        <location filename="../src/panel/TextDialog.cpp" line="1"/>
        <source>L1=3.1415mm</source>
        <translation>L1=3.1415mm</translation>
    </message>
    <message>
        <location filename="../src/panel/TextDialog.cpp" line="1"/>
        <source>Select Line Color</source>
        <translation>選擇線條顏色</translation>
    </message>
    <message>
        <location filename="../src/panel/TextDialog.cpp" line="1"/>
        <source>Select Text Color</source>
        <translation>選擇文字顏色</translation>
    </message>
    <message>
        <location filename="../src/panel/TextDialog.cpp" line="1"/>
        <source>TextProperty</source>
        <translation>文字屬性</translation>
    </message>
    <message>
        <location filename="../src/panel/TextDialog.cpp" line="1"/>
        <source>Line</source>
        <translation>線條</translation>
    </message>
    <message>
        <location filename="../src/panel/TextDialog.cpp" line="1"/>
        <source>Width:</source>
        <translation>線寬:</translation>
    </message>
    <message>
        <location filename="../src/panel/TextDialog.cpp" line="1"/>
        <source>Color:</source>
        <translation>顏色:</translation>
    </message>
    <message>
        <location filename="../src/panel/TextDialog.cpp" line="1"/>
        <source>Editable:</source>
        <translation>可編輯:</translation>
    </message>
    <message>
        <location filename="../src/panel/TextDialog.cpp" line="1"/>
        <source>Movable:</source>
        <translation>可移動:</translation>
    </message>
    <message>
        <location filename="../src/panel/TextDialog.cpp" line="1"/>
        <source>Text</source>
        <translation>文字</translation>
    </message>
    <message>
        <location filename="../src/panel/TextDialog.cpp" line="1"/>
        <source>Size:</source>
        <translation>字號:</translation>
    </message>
    <message>
        <location filename="../src/panel/TextDialog.cpp" line="1"/>
        <source>Label:</source>
        <translation>標註:</translation>
    </message>
    <message>
        <location filename="../src/panel/TextDialog.cpp" line="1"/>
        <source>Length:</source>
        <translation>位數:</translation>
    </message>
    <message>
        <location filename="../src/panel/TextDialog.cpp" line="1"/>
        <source>Outline</source>
        <translation>描邊</translation>
    </message>
    <message>
        <location filename="../src/panel/TextDialog.cpp" line="1"/>
        <source>Cross</source>
        <translation>十字線</translation>
    </message>
    <message>
        <location filename="../src/panel/TextDialog.cpp" line="1"/>
        <source>Switch:</source>
        <translation>開關:</translation>
    </message>
</context>
<context>
    <name>upgradeDialog</name>
    <message>
        <source>upgrade</source>
        <translation>升級</translation>
    </message>
    <message>
        <source>application</source>
        <translation>應用程式</translation>
    </message>
    <message>
        <source>boot screen</source>
        <translation>開機畫面</translation>
    </message>
    <message>
        <source>system</source>
        <translation>系統</translation>
    </message>
    <message>
        <source>The U disk doesn&apos;t exist! Please insert the U disk containing the correct upgrade application!</source>
        <translation>隨身碟不存在！請插入存有正確升級程式的隨身碟！</translation>
    </message>
    <message>
        <source>System upgrading, Please DO NOT power down!</source>
        <translation>系統升級中，請勿斷電！</translation>
    </message>
    <message>
        <source>Boot screen updating, Please DO NOT power down!</source>
        <translation>開機畫面更新中，請勿斷電！</translation>
    </message>
    <message>
        <source>This camera MTD partition error!</source>
        <translation>本相機MTD分割區錯誤！</translation>
    </message>
    <message>
        <source>Warning</source>
        <translation>警告</translation>
    </message>
    <message>
        <source>This camera system does not support direct upgrade. It will pre-upgrade system first. After system pre-upgrade successful. Please restart camera and upgrade system again!</source>
        <translation>本相機系統不支援直接升級，將先預升級系統。預升級成功後，請重新啟動相機並再次升級系統！</translation>
    </message>
    <message>
        <source>This camera system does not support direct update of boot screen. It will upgrade system first. After system upgrade successful. Please restart camera and update boot screen again!</source>
        <translation>本相機系統不支援直接更新開機畫面，將先升級系統。系統升級成功後，請重新啟動相機並再次更新開機畫面！</translation>
    </message>
    <message>
        <source>loading available image ...</source>
        <translation>正在載入可用圖片……</translation>
    </message>
    <message>
        <source>Serious Warning</source>
        <translation>嚴重警告</translation>
    </message>
    <message>
        <source>This camera does not support upgrading the application, boot screen and system!</source>
        <translation>本相機不支援升級應用程式、開機畫面和系統！</translation>
    </message>
    <message>
        <source>Application doesn&apos;t exist in the U disk! Please copy the upgrade application to the U disk!</source>
        <translation>隨身碟中沒有應用程式！請將升級程式複製到隨身碟！</translation>
    </message>
    <message>
        <source>This version is the latest version, no need to upgrade!</source>
        <translation>目前已是最新版本，無需升級！</translation>
    </message>
    <message>
        <source>Internal memory card space is insufficient!</source>
        <translation>內部記憶卡空間不足！</translation>
    </message>
    <message>
        <source>Aplication update fail!</source>
        <translation>應用程式更新失敗！</translation>
    </message>
    <message>
        <source>Application update successful and will restart soon!</source>
        <translation>應用程式更新成功，即將重新啟動！</translation>
    </message>
    <message>
        <source>System upgrade success. Please restart camera and update boot screen again!</source>
        <translation>系統升級成功。請重新啟動相機並再次更新開機畫面！</translation>
    </message>
    <message>
        <source>System pre-upgrade success. Please restart camera and upgrade system again!</source>
        <translation>系統預升級成功。請重新啟動相機並再次升級系統！</translation>
    </message>
    <message>
        <source>Boot screen update successful. Please restart camera!</source>
        <translation>開機畫面更新成功。請重新啟動相機！</translation>
    </message>
    <message>
        <source>System upgrade success. Please restart camera!</source>
        <translation>系統升級成功。請重新啟動相機！</translation>
    </message>
    <message>
        <source>Update resource successful. Please restart camera!</source>
        <translation>資源更新成功。請重新啟動相機！</translation>
    </message>
    <message>
        <source>Can&apos;t find system.bin in the U disk! Please copy system.bin to the U disk!</source>
        <translation>隨身碟中找不到system.bin！請將system.bin複製到隨身碟！</translation>
    </message>
    <message>
        <source>Upgrade failed: a flash step did not succeed. The camera&apos;s flash may be incomplete. Please run the upgrade again and do not restart the camera before it succeeds!</source>
        <translation>升級失敗：快閃記憶體操作未成功，相機快閃記憶體可能不完整。請重新升級，升級成功前請勿重新啟動相機！</translation>
    </message>
    <message>
        <source>Upgrade stopped before anything was written: what the flash holds could not be saved first. The camera is as it was. Please check the internal storage and run the upgrade again.</source>
        <translation>升級已停止，未寫入任何內容：無法先保存快閃記憶體中的原有內容。相機保持原樣。請檢查內部儲存後重新升級。</translation>
    </message>
    <message>
        <source>Upgrade failed: the flash could not be written, and what it held before was written back. Please check the files and run the upgrade again.</source>
        <translation>升級失敗：無法寫入快閃記憶體，已將其原有內容寫回。請檢查檔案並重新升級。</translation>
    </message>
    <message>
        <source>Upgrade failed: the upgrade file or image is invalid, nothing was written. Please check the files and run the upgrade again before restarting the camera!</source>
        <translation>升級失敗：升級檔案或映像無效，未寫入任何內容。請檢查檔案並在重新啟動相機前重新升級！</translation>
    </message>
    <message>
        <source>The resource image was updated, but the system was not written: what the flash holds could not be saved first. The flash is as it was. Please check the internal storage and run the upgrade again.</source>
        <translation>資源映像已更新，但系統未寫入：無法先保存快閃記憶體中的原有內容。快閃記憶體保持原樣。請檢查內部儲存後重新升級。</translation>
    </message>
    <message>
        <source>The application file in the U disk is not a program for this camera! Nothing was changed.</source>
        <translation>U盤中的應用程式檔案不是本相機的程式！未做任何變更。</translation>
    </message>
    <message>
        <source>Upgrade refused: the device tree image is damaged (its header is missing or longer than the file). Nothing was written.</source>
        <translation>升級被拒絕：裝置樹映像已損壞（缺少檔頭，或檔頭所述長度超出檔案）。未寫入任何內容。</translation>
    </message>
    <message>
        <source>Upgrade refused: the boot screen picture is not 1920 x 1080 pixels. Nothing was written.</source>
        <translation>升級被拒絕：開機畫面圖片不是 1920 x 1080 像素。未寫入任何內容。</translation>
    </message>
    <message>
        <source>This program carries only stand-ins for testing instead of the camera&apos;s firmware: the system and the device tree cannot be upgraded from it. Nothing was written.</source>
        <translation>本程式只帶有用於測試的替代韌體，而非相機的韌體：無法用它升級系統和裝置樹。未寫入任何內容。</translation>
    </message>
</context>
<context>
    <name>CalibrationWorkflow</name>
    <message>
        <source>mm</source>
        <translation>mm</translation>
    </message>
    <message>
        <source>inch</source>
        <translation>inch</translation>
    </message>
    <message>
        <source>pixels</source>
        <translation>pixels</translation>
    </message>
    <message>
        <source>Warning</source>
        <translation>警告</translation>
    </message>
    <message>
        <source>This name of calibration already exists!
Please change the name!</source>
        <translation>該標定名稱已存在！
請更換名稱！</translation>
    </message>
    <message>
        <source>At most %1 calibrations can be kept!
Please delete one first!</source>
        <translation>最多只能保存 %1 個標定！
請先刪除一個！</translation>
    </message>
    <message>
        <source>The calibration is out of range and could not be kept!
Please check the length and the drawn item!</source>
        <translation>標定值超出範圍，無法保存！
請檢查長度和所畫的圖形！</translation>
    </message>
</context>
<context>
    <name>ToolRouter</name>
    <message>
        <source>Warning</source>
        <translation>警告</translation>
    </message>
    <message>
        <source>The clicked points give no value, so the item is not kept.</source>
        <translation>所點的點得不出測量值，該項目不予保留。</translation>
    </message>
</context>
<context>
    <name>PanelSaveDialog</name>
    <message>
        <source>Warning</source>
        <translation>警告</translation>
    </message>
    <message>
        <source>%1 already exists.
Do you want to replace it?</source>
        <translation>%1 已存在。
是否取代它？</translation>
    </message>
</context>
<context>
    <name>Shape</name>
    <message>
        <location filename="../src/items/Shape.cpp" line="1"/>
        <source>NG</source>
        <translation>不合格</translation>
    </message>
</context>
<context>
    <name>StatisticsCsv</name>
    <message>
        <location filename="../src/panel/StatisticsCsv.cpp" line="1"/>
        <source>tool</source>
        <translation>工具</translation>
    </message>
    <message>
        <location filename="../src/panel/StatisticsCsv.cpp" line="1"/>
        <source>value</source>
        <translation>數值</translation>
    </message>
    <message>
        <location filename="../src/panel/StatisticsCsv.cpp" line="1"/>
        <source>unit</source>
        <translation>單位</translation>
    </message>
    <message>
        <location filename="../src/panel/StatisticsCsv.cpp" line="1"/>
        <source>count</source>
        <translation>數量</translation>
    </message>
    <message>
        <location filename="../src/panel/StatisticsCsv.cpp" line="1"/>
        <source>mean</source>
        <translation>平均值</translation>
    </message>
    <message>
        <location filename="../src/panel/StatisticsCsv.cpp" line="1"/>
        <source>standard deviation</source>
        <translation>標準差</translation>
    </message>
    <message>
        <location filename="../src/panel/StatisticsCsv.cpp" line="1"/>
        <source>minimum</source>
        <translation>最小值</translation>
    </message>
    <message>
        <location filename="../src/panel/StatisticsCsv.cpp" line="1"/>
        <source>maximum</source>
        <translation>最大值</translation>
    </message>
    <message>
        <location filename="../src/panel/StatisticsCsv.cpp" line="1"/>
        <source>range</source>
        <translation>全距</translation>
    </message>
</context>
<context>
    <name>StatisticsView</name>
    <message>
        <location filename="../src/forms/StatisticsView.ui" line="1"/>
        <source>Statistics</source>
        <translation>統計</translation>
    </message>
    <message>
        <location filename="../src/forms/StatisticsView.ui" line="1"/>
        <source>Close</source>
        <translation>關閉</translation>
    </message>
    <message>
        <location filename="../src/panel/StatisticsView.cpp" line="1"/>
        <source>No results</source>
        <translation>沒有結果</translation>
    </message>
    <message>
        <location filename="../src/panel/StatisticsView.cpp" line="1"/>
        <source>%1 selected results</source>
        <translation>所選 %1 個結果</translation>
    </message>
    <message>
        <location filename="../src/panel/StatisticsView.cpp" line="1"/>
        <source>All %1 results</source>
        <translation>全部 %1 個結果</translation>
    </message>
</context>
<context>
    <name>ToleranceDialog</name>
    <message>
        <location filename="../src/forms/ToleranceDialog.ui" line="1"/>
        <source>Tolerance</source>
        <translation>公差</translation>
    </message>
    <message>
        <location filename="../src/forms/ToleranceDialog.ui" line="1"/>
        <source>Click a field and type on the keypad; ± changes the sign of the field being typed.</source>
        <translation>點擊輸入框後用數字鍵盤輸入；± 改變正在輸入的數值的正負號。</translation>
    </message>
    <message>
        <location filename="../src/forms/ToleranceDialog.ui" line="1"/>
        <source>nominal</source>
        <translation>標稱值</translation>
    </message>
    <message>
        <location filename="../src/forms/ToleranceDialog.ui" line="1"/>
        <source>lower tolerance</source>
        <translation>下公差</translation>
    </message>
    <message>
        <location filename="../src/forms/ToleranceDialog.ui" line="1"/>
        <source>upper tolerance</source>
        <translation>上公差</translation>
    </message>
    <message>
        <location filename="../src/forms/ToleranceDialog.ui" line="1"/>
        <source>apply to new items of this tool</source>
        <translation>套用至此工具的新量測項目</translation>
    </message>
    <message>
        <location filename="../src/forms/ToleranceDialog.ui" line="1"/>
        <source>No tolerance</source>
        <translation>無公差</translation>
    </message>
    <message>
        <location filename="../src/forms/ToleranceDialog.ui" line="1"/>
        <source>OK</source>
        <translation>確定</translation>
    </message>
    <message>
        <location filename="../src/forms/ToleranceDialog.ui" line="1"/>
        <source>Cancel</source>
        <translation>取消</translation>
    </message>
    <message>
        <location filename="../src/panel/ToleranceDialog.cpp" line="1"/>
        <source>%1: enter the nominal value and both tolerances, or none of them.</source>
        <translation>%1：請輸入標稱值和上下公差，或全部留空。</translation>
    </message>
    <message>
        <location filename="../src/panel/ToleranceDialog.cpp" line="1"/>
        <source>%1: "%2" is not a number.</source>
        <translation>%1：「%2」不是數字。</translation>
    </message>
    <message>
        <location filename="../src/panel/ToleranceDialog.cpp" line="1"/>
        <source>%1: the lower tolerance is above the upper tolerance.</source>
        <translation>%1：下公差大於上公差。</translation>
    </message>
    <message>
        <location filename="../src/panel/ToleranceDialog.cpp" line="1"/>
        <source>%1: the limits are out of range.</source>
        <translation>%1：公差範圍超出可用數值。</translation>
    </message>
    <message>
        <location filename="../src/panel/ToleranceDialog.cpp" line="1"/>
        <source>Warning</source>
        <translation>警告</translation>
    </message>
</context>
<context>
    <name>MeasurementFile</name>
    <message>
        <source>The measurement file is too large to be read!</source>
        <translation>測量檔案過大，無法讀取！</translation>
    </message>
    <message>
        <source>The measurement file was written by a newer version of the program and can&apos;t be read!</source>
        <translation>測量檔案由較新版本的程式寫入，無法讀取！</translation>
    </message>
    <message>
        <source>This file is not a measurement file, or it is damaged!</source>
        <translation>此檔案不是測量檔案，或已損壞！</translation>
    </message>
    <message>
        <source>Can&apos;t read the measurement file!</source>
        <translation>無法讀取測量檔案！</translation>
    </message>
</context>
</TS>
