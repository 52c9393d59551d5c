<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="zh_CN">
<context>
    <name>FileRepairs</name>
    <message>
        <source>Some settings in &quot;%1&quot; could not be used and were set back to their defaults.</source>
        <translation>“%1”中的部分设置无法使用，已恢复为默认值。</translation>
    </message>
    <message>
        <source>&quot;%1&quot; can't be read; it was kept as &quot;%2&quot; and defaults are used.</source>
        <translation>无法读取“%1”；已将其保存为“%2”，并使用默认值。</translation>
    </message>
    <message>
        <source>&quot;%1&quot; can't be read and can't be moved aside; defaults are used.</source>
        <translation>无法读取“%1”，也无法将其移到一旁；已使用默认值。</translation>
    </message>
</context>
<context>
    <name>SafeFile</name>
    <message>
        <source>The file can't be read: %1</source>
        <translation>无法读取文件：%1</translation>
    </message>
    <message>
        <source>The file can't be put in place: %1</source>
        <translation>无法将文件放到目标位置：%1</translation>
    </message>
    <message>
        <source>The file can't be flushed to the medium: %1</source>
        <translation>无法将文件写入存储介质：%1</translation>
    </message>
    <message>
        <source>The file can't be written completely: %1</source>
        <translation>无法完整写入文件：%1</translation>
    </message>
    <message>
        <source>The file can't be created: %1</source>
        <translation>无法创建文件：%1</translation>
    </message>
</context>
<context>
    <name>Keyboard</name>
    <message>
        <location filename="../src/forms/Keyboard.ui" line="8"/>
        <source>Keyboard</source>
        <translation>键盘</translation>
    </message>
    <message>
        <location filename="../src/forms/Keyboard.ui" line="152"/>
        <source>Backspace</source>
        <translation>退格</translation>
    </message>
    <message>
        <location filename="../src/forms/Keyboard.ui" line="246"/>
        <source>CapsLock</source>
        <translation>大写锁定</translation>
    </message>
    <message>
        <location filename="../src/forms/Keyboard.ui" line="320"/>
        <source>Enter</source>
        <translation>回车</translation>
    </message>
    <message>
        <location filename="../src/forms/Keyboard.ui" line="327"/>
        <source>Shift</source>
        <translation>上档</translation>
    </message>
    <message>
        <location filename="../src/forms/Keyboard.ui" line="458"/>
        <source>Close</source>
        <translation>关闭</translation>
    </message>
</context>
<context>
    <name>ImageViewer</name>
    <message>
        <location filename="../src/forms/ImageViewer.ui" line="14"/>
        <location filename="../src/viewer/ImageViewer.cpp" line="198"/>
        <source>Image Viewer</source>
        <translation>图片浏览器</translation>
    </message>
    <message>
        <location filename="../src/forms/ImageViewer.ui" line="85"/>
        <source>zoom in</source>
        <translation>放大</translation>
    </message>
    <message>
        <location filename="../src/forms/ImageViewer.ui" line="122"/>
        <source>zoom out</source>
        <translation>缩小</translation>
    </message>
    <message>
        <location filename="../src/forms/ImageViewer.ui" line="172"/>
        <source>adapted to window size</source>
        <translation>适应窗口大小</translation>
    </message>
    <message>
        <location filename="../src/forms/ImageViewer.ui" line="209"/>
        <source>image original size</source>
        <translation>图片原始大小</translation>
    </message>
    <message>
        <location filename="../src/forms/ImageViewer.ui" line="259"/>
        <source>previous image</source>
        <translation>上一张图片</translation>
    </message>
    <message>
        <location filename="../src/forms/ImageViewer.ui" line="296"/>
        <source>next image</source>
        <translation>下一张图片</translation>
    </message>
    <message>
        <location filename="../src/forms/ImageViewer.ui" line="346"/>
        <source>rotate left</source>
        <translation>向左旋转</translation>
    </message>
    <message>
        <location filename="../src/forms/ImageViewer.ui" line="383"/>
        <source>rotate right</source>
        <translation>向右旋转</translation>
    </message>
    <message>
        <location filename="../src/forms/ImageViewer.ui" line="433"/>
        <source>delete this image</source>
        <translation>删除此图片</translation>
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
        <translation>此图片不在其文件夹的图片列表中，无法在此删除！</translation>
    </message>
    <message>
        <location filename="../src/viewer/ImageViewer.cpp" line="138"/>
        <source>Are you sure to delete this image?</source>
        <translation>确定要删除此图片吗？</translation>
    </message>
    <message>
        <location filename="../src/viewer/ImageViewer.cpp" line="142"/>
        <source>Can't delete this image!
The storage may be write-protected, or the file was already removed.</source>
        <translation>无法删除此图片！
存储器可能已写保护，或文件已被删除。</translation>
    </message>
    <message>
        <location filename="../src/viewer/ImageViewer.cpp" line="149"/>
        <source>All images are delete, will close image viewer!</source>
        <translation>所有图片已删除，将关闭图片浏览器！</translation>
    </message>
    <message>
        <location filename="../src/viewer/ImageViewer.cpp" line="167"/>
        <source>Can't open this image!</source>
        <translation>无法打开此图片！</translation>
    </message>
    <message>
        <source>measure this image</source>
        <translation>重新测量此图片</translation>
    </message>
</context>
<context>
    <name>CalibrateDialog</name>
    <message>
        <location filename="../src/forms/CalibrateDialog.ui" line="6"/>
        <source>Calibration</source>
        <translation>标定</translation>
    </message>
    <message>
        <location filename="../src/forms/CalibrateDialog.ui" line="7"/>
        <source>Ok</source>
        <translation>确定</translation>
    </message>
    <message>
        <location filename="../src/forms/CalibrateDialog.ui" line="8"/>
        <source>Name</source>
        <translation>名称</translation>
    </message>
    <message>
        <location filename="../src/forms/CalibrateDialog.ui" line="9"/>
        <source>Length</source>
        <translation>长度</translation>
    </message>
    <message>
        <location filename="../src/forms/CalibrateDialog.ui" line="10"/>
        <source>Unit</source>
        <translation>单位</translation>
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
        <translation>名称或长度为空！
请输入名称和长度！</translation>
    </message>
    <message>
        <location filename="../src/calibration/CalibrateDialog.cpp" line="78"/>
        <source>The calibration measures 0 pixels!
Please draw it again over the feature.</source>
        <translation>标定测得 0 像素！
请在特征上重新绘制。</translation>
    </message>
    <message>
        <location filename="../src/calibration/CalibrateDialog.cpp" line="80"/>
        <source>The length must be a number greater than 0!</source>
        <translation>长度必须是大于 0 的数字！</translation>
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
        <translation>线属性</translation>
    </message>
</context>
<context>
    <name>Frame</name>
    <message>
        <source>Settings repaired</source>
        <translation>设置已修复</translation>
    </message>
    <message>
        <location filename="../src/forms/Frame.ui" line="14"/>
        <source>Frame</source>
        <translation>主窗口</translation>
    </message>
    <message>
        <location filename="../src/app/Frame.cpp" line="335"/>
        <source>Warning</source>
        <translation>警告</translation>
    </message>
    <message>
        <location filename="../src/app/Frame.cpp" line="1"/>
        <source>The picture could not be saved!</source>
        <translation>图片无法保存！</translation>
    </message>
    <message>
        <source>Can&apos;t open this image!</source>
        <translation>无法打开此图片！</translation>
    </message>
    <message>
        <source>The picture was saved, but its measurement file could not be written: its measurements can&apos;t be opened again.</source>
        <translation>图片已保存，但无法写入其测量文件：其测量无法再次打开。</translation>
    </message>
    <message>
        <source>The items on the screen will be replaced by those of the picture. Continue?</source>
        <translation>屏幕上的测量项将被该图片的测量项替换。是否继续？</translation>
    </message>
    <message numerus="yes">
        <source>%n item(s) of the measurement file could not be read and were skipped.</source>
        <translation>
            <numerusform>测量文件中有 %n 个测量项无法读取，已跳过。</numerusform>
        </translation>
    </message>
    <message>
        <source>Computed again, these values differ from those stored in the measurement file: %1</source>
        <translation>重新计算后，以下数值与测量文件中保存的不同：%1</translation>
    </message>
    <message>
        <source>The measurements on this picture were changed and not captured. Return to the live picture and lose the changes?</source>
        <translation>此图片上的测量已更改但尚未拍照保存。返回实时画面并放弃这些更改吗？</translation>
    </message>
</context>
<context>
    <name>LinePropertyDialog</name>
    <message>
        <location filename="../src/forms/LinePropertyDialog.ui" line="14"/>
        <source>Line property</source>
        <translation>线属性</translation>
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
        <translation>线宽:</translation>
    </message>
    <message>
        <location filename="../src/forms/LinePropertyDialog.ui" line="117"/>
        <source>Color:</source>
        <translation>颜色:</translation>
    </message>
    <message>
        <location filename="../src/items/LinePropertyDialog.cpp" line="58"/>
        <source>Select line color</source>
        <translation>选择线条颜色</translation>
    </message>
</context>
<context>
    <name>Menu</name>
    <message>
        <source>Undo</source>
        <translation>撤销</translation>
    </message>
    <message>
        <source>Redo</source>
        <translation>重做</translation>
    </message>
    <message>
        <location filename="../src/forms/Menu.ui" line="40"/>
        <source>Calibration</source>
        <translation>标定</translation>
    </message>
    <message>
        <location filename="../src/forms/Menu.ui" line="109"/>
        <source>Main Tools</source>
        <translation>主要工具</translation>
    </message>
    <message>
        <location filename="../src/forms/Menu.ui" line="307"/>
        <source>Custom Lines</source>
        <translation>自定义线</translation>
    </message>
    <message>
        <location filename="../src/forms/Menu.ui" line="342"/>
        <location filename="../src/forms/Menu.ui" line="378"/>
        <source>OK</source>
        <translation>确定</translation>
    </message>
    <message>
        <location filename="../src/forms/Menu.ui" line="391"/>
        <source>Read</source>
        <translation>读取</translation>
    </message>
    <message>
        <location filename="../src/forms/Menu.ui" line="404"/>
        <source>Save</source>
        <translation>保存</translation>
    </message>
    <message>
        <location filename="../src/forms/Menu.ui" line="418"/>
        <source>Assist Tools</source>
        <translation>辅助工具</translation>
    </message>
    <message>
        <location filename="../src/forms/Menu.ui" line="608"/>
        <source>up</source>
        <translation>升级</translation>
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
        <translation>保存表格文件</translation>
    </message>
    <message>
        <location filename="../src/panel/Menu.cpp" line="496"/>
        <source>Files (*.csv)</source>
        <translation>文件 (*.csv)</translation>
    </message>
    <message>
        <location filename="../src/panel/Menu.cpp" line="530"/>
        <location filename="../src/panel/Menu.cpp" line="812"/>
        <source>U disk isn't exists! Please insert U disk!</source>
        <translation>U盘不存在！请插入U盘！</translation>
    </message>
    <message>
        <location filename="../src/panel/Menu.cpp" line="599"/>
        <location filename="../src/panel/Menu.cpp" line="601"/>
        <source>Save Image File</source>
        <translation>保存图片</translation>
    </message>
    <message>
        <location filename="../src/panel/Menu.cpp" line="599"/>
        <source>Image (*.jpg);;Image (*.bmp)</source>
        <translation>图片 (*.jpg);;图片 (*.bmp)</translation>
    </message>
    <message>
        <location filename="../src/panel/Menu.cpp" line="601"/>
        <source>Image (*.bmp);;Image (*.jpg)</source>
        <translation>图片 (*.bmp);;图片 (*.jpg)</translation>
    </message>
    <message>
        <location filename="../src/panel/Menu.cpp" line="754"/>
        <source>Save Configuration File</source>
        <translation>保存配置文件</translation>
    </message>
    <message>
        <location filename="../src/panel/Menu.cpp" line="754"/>
        <location filename="../src/panel/Menu.cpp" line="771"/>
        <source>Files (*.ini)</source>
        <translation>文件 (*.ini)</translation>
    </message>
    <message>
        <location filename="../src/panel/Menu.cpp" line="1"/>
        <source>Select size and color</source>
        <translation>选择大小和颜色</translation>
    </message>
    <message>
        <location filename="../src/forms/Menu.ui" line="467"/>
        <source>0.1</source>
        <translation>0.1</translation>
    </message>
    <message>
        <location filename="../src/forms/Menu.ui" line="464"/>
        <source>snap to edges to a tenth of a pixel</source>
        <translation>亚像素边缘捕捉（精确到十分之一像素）</translation>
    </message>
    <message>
        <location filename="../src/forms/Menu.ui" line="1"/>
        <source>Statistics</source>
        <translation>统计</translation>
    </message>
</context>
<context>
    <name>NumericKeypadDialog</name>
    <message>
        <location filename="../src/forms/NumericKeypadDialog.ui" line="29"/>
        <source>Del</source>
        <translation>删除</translation>
    </message>
    <message>
        <location filename="../src/forms/NumericKeypadDialog.ui" line="53"/>
        <source>Clear</source>
        <translation>清空</translation>
    </message>
    <message>
        <location filename="../src/forms/NumericKeypadDialog.ui" line="95"/>
        <source>Enter</source>
        <translation>确认</translation>
    </message>
</context>
<context>
    <name>ccdSetDialog</name>
    <message>
        <source>Exposure did not settle; last values kept</source>
        <translation>曝光未能稳定，保留最后的数值</translation>
    </message>
    <message>
        <source>White balance did not settle; last values kept</source>
        <translation>白平衡未能稳定，保留最后的数值</translation>
    </message>
    <message>
        <source>The camera settings could not be saved to &quot;%1&quot; and the file is as before.
%2</source>
        <translation>相机设置无法保存到“%1”，该文件保持不变。
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
        <translation>相机设置</translation>
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
        <translation>锁定</translation>
    </message>
    <message>
        <location filename="../src/forms/ccdSetDialog.ui" line="31"/>
        <source>OK</source>
        <translation>确定</translation>
    </message>
    <message>
        <location filename="../src/forms/ccdSetDialog.ui" line="32"/>
        <source>Cancel</source>
        <translation>取消</translation>
    </message>
    <message>
        <location filename="../src/hardware/ccdSetDialog.cpp" line="64"/>
        <source>Unlock</source>
        <translation>解锁</translation>
    </message>
</context>
<context>
    <name>ToolPalette</name>
    <message>
        <location filename="../src/panel/ToolPalette.cpp" line="1"/>
        <source>cross line</source>
        <translation>十字线</translation>
    </message>
    <message>
        <location filename="../src/panel/ToolPalette.cpp" line="1"/>
        <source>line</source>
        <translation>直线</translation>
    </message>
    <message>
        <location filename="../src/panel/ToolPalette.cpp" line="1"/>
        <source>horizontal line</source>
        <translation>水平线</translation>
    </message>
    <message>
        <location filename="../src/panel/ToolPalette.cpp" line="1"/>
        <source>vertical line</source>
        <translation>垂直线</translation>
    </message>
    <message>
        <location filename="../src/panel/ToolPalette.cpp" line="1"/>
        <source>distance between parallel lines</source>
        <translation>平行线间距</translation>
    </message>
    <message>
        <location filename="../src/panel/ToolPalette.cpp" line="1"/>
        <source>distance between custom parallel lines</source>
        <translation>自定义平行线间距</translation>
    </message>
    <message>
        <location filename="../src/panel/ToolPalette.cpp" line="1"/>
        <source>distance from point to line</source>
        <translation>点到线距离</translation>
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
        <translation>多边形</translation>
    </message>
    <message>
        <location filename="../src/panel/ToolPalette.cpp" line="1"/>
        <source>dual parallel lines</source>
        <translation>双平行线</translation>
    </message>
    <message>
        <location filename="../src/panel/ToolPalette.cpp" line="1"/>
        <source>radian</source>
        <translation>圆弧</translation>
    </message>
    <message>
        <location filename="../src/panel/ToolPalette.cpp" line="1"/>
        <source>circle</source>
        <translation>圆</translation>
    </message>
    <message>
        <location filename="../src/panel/ToolPalette.cpp" line="1"/>
        <source>distance from point to center of circle</source>
        <translation>点到圆心距离</translation>
    </message>
    <message>
        <location filename="../src/panel/ToolPalette.cpp" line="1"/>
        <source>distance from line to center of circle</source>
        <translation>线到圆心距离</translation>
    </message>
    <message>
        <location filename="../src/panel/ToolPalette.cpp" line="1"/>
        <source>distance between center of circles</source>
        <translation>圆心距</translation>
    </message>
    <message>
        <location filename="../src/panel/ToolPalette.cpp" line="1"/>
        <source>concentric circles</source>
        <translation>同心圆</translation>
    </message>
    <message>
        <location filename="../src/panel/ToolPalette.cpp" line="1"/>
        <source>distance between center of parallel lines</source>
        <translation>平行线中线间距</translation>
    </message>
    <message>
        <location filename="../src/panel/ToolPalette.cpp" line="1"/>
        <source>circle fitted to points</source>
        <translation>多点拟合圆</translation>
    </message>
</context>
<context>
    <name>ResultsTable</name>
    <message>
        <location filename="../src/panel/ResultsTable.cpp" line="1"/>
        <source>index</source>
        <translation>序号</translation>
    </message>
    <message>
        <location filename="../src/panel/ResultsTable.cpp" line="1"/>
        <source>item</source>
        <translation>项目</translation>
    </message>
    <message>
        <location filename="../src/panel/ResultsTable.cpp" line="1"/>
        <source>value</source>
        <translation>数值</translation>
    </message>
    <message>
        <location filename="../src/panel/ResultsTable.cpp" line="1"/>
        <source>delete</source>
        <translation>删除</translation>
    </message>
    <message>
        <location filename="../src/panel/ResultsTable.cpp" line="1"/>
        <source>delete all</source>
        <translation>全部删除</translation>
    </message>
    <message>
        <location filename="../src/panel/ResultsTable.cpp" line="1"/>
        <source>Warning</source>
        <translation>警告</translation>
    </message>
    <message>
        <location filename="../src/panel/ResultsTable.cpp" line="1"/>
        <source>Are you sure to delete this result?</source>
        <translation>确定删除此结果吗？</translation>
    </message>
    <message>
        <location filename="../src/panel/ResultsTable.cpp" line="1"/>
        <source>Are you sure to delete the all results?</source>
        <translation>确定删除全部结果吗？</translation>
    </message>
    <message>
        <location filename="../src/panel/ResultsTable.cpp" line="1"/>
        <source>Can't open file for writing!</source>
        <translation>无法写入文件！</translation>
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
        <translation>判定结果</translation>
    </message>
    <message>
        <location filename="../src/panel/ResultsTable.cpp" line="1"/>
        <source>Tolerance...</source>
        <translation>公差...</translation>
    </message>
    <message>
        <location filename="../src/panel/ResultsTable.cpp" line="1"/>
        <source>The statistics could not be saved to %1!</source>
        <translation>无法将统计保存到 %1！</translation>
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
        <translation>U盘不存在！请插入U盘！</translation>
    </message>
    <message>
        <location filename="../src/panel/StorageActions.cpp" line="1"/>
        <source>U disk space is insufficient! Please change another U disk!</source>
        <translation>U盘空间不足！请更换U盘！</translation>
    </message>
    <message>
        <location filename="../src/panel/StorageActions.cpp" line="1"/>
        <source>Can't open file for writing!</source>
        <translation>无法写入文件！</translation>
    </message>
    <message>
        <location filename="../src/panel/StorageActions.cpp" line="1"/>
        <source>No free file name is left in %1. Please move or delete old files.</source>
        <translation>%1 中已没有可用的文件名。请移走或删除旧文件。</translation>
    </message>
    <message>
        <source>Image (*.jpg);;Image (*.bmp)</source>
        <translation>图片 (*.jpg);;图片 (*.bmp)</translation>
    </message>
    <message>
        <source>Image (*.bmp);;Image (*.jpg)</source>
        <translation>图片 (*.bmp);;图片 (*.jpg)</translation>
    </message>
    <message>
        <source>Open Image File</source>
        <translation>打开图片文件</translation>
    </message>
</context>
<context>
    <name>RulerPicker</name>
    <message>
        <location filename="../src/panel/RulerPicker.cpp" line="1"/>
        <source>Line</source>
        <translation>直线</translation>
    </message>
    <message>
        <location filename="../src/panel/RulerPicker.cpp" line="1"/>
        <source>Circle</source>
        <translation>圆</translation>
    </message>
    <message>
        <location filename="../src/panel/RulerPicker.cpp" line="1"/>
        <source>Warning</source>
        <translation>警告</translation>
    </message>
    <message>
        <location filename="../src/panel/RulerPicker.cpp" line="1"/>
        <source>Are you sure to delete this calibration?</source>
        <translation>确定删除此标定吗？</translation>
    </message>
    <message>
        <location filename="../src/panel/RulerPicker.cpp" line="1"/>
        <source>Can't convert this pixel to other!</source>
        <translation>像素标定无法换算为其他单位！</translation>
    </message>
</context>
<context>
    <name>ReferenceLines</name>
</context>
<context>
    <name>PanelFiles</name>
    <message>
        <source>&quot;%1&quot; holds no line settings; it was left as it is.</source>
        <translation>“%1”中没有参考线设置，文件保持原样。</translation>
    </message>
    <message>
        <source>The settings could not be saved to &quot;%1&quot; and the file is as before.
%2</source>
        <translation>设置无法保存到“%1”，该文件保持不变。
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
        <translation>无法写入文件！</translation>
    </message>
    <message>
        <location filename="../src/panel/PanelFiles.cpp" line="1"/>
        <source>Open Configuration File</source>
        <translation>打开配置文件</translation>
    </message>
    <message>
        <location filename="../src/panel/PanelFiles.cpp" line="1"/>
        <source>Files (*.ini)</source>
        <translation>文件 (*.ini)</translation>
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
        <translation>选择线条颜色</translation>
    </message>
    <message>
        <location filename="../src/panel/TextDialog.cpp" line="1"/>
        <source>Select Text Color</source>
        <translation>选择文字颜色</translation>
    </message>
    <message>
        <location filename="../src/panel/TextDialog.cpp" line="1"/>
        <source>TextProperty</source>
        <translation>文字属性</translation>
    </message>
    <message>
        <location filename="../src/panel/TextDialog.cpp" line="1"/>
        <source>Line</source>
        <translation>线条</translation>
    </message>
    <message>
        <location filename="../src/panel/TextDialog.cpp" line="1"/>
        <source>Width:</source>
        <translation>线宽:</translation>
    </message>
    <message>
        <location filename="../src/panel/TextDialog.cpp" line="1"/>
        <source>Color:</source>
        <translation>颜色:</translation>
    </message>
    <message>
        <location filename="../src/panel/TextDialog.cpp" line="1"/>
        <source>Editable:</source>
        <translation>可编辑:</translation>
    </message>
    <message>
        <location filename="../src/panel/TextDialog.cpp" line="1"/>
        <source>Movable:</source>
        <translation>可移动:</translation>
    </message>
    <message>
        <location filename="../src/panel/TextDialog.cpp" line="1"/>
        <source>Text</source>
        <translation>文字</translation>
    </message>
    <message>
        <location filename="../src/panel/TextDialog.cpp" line="1"/>
        <source>Size:</source>
        <translation>字号:</translation>
    </message>
    <message>
        <location filename="../src/panel/TextDialog.cpp" line="1"/>
        <source>Label:</source>
        <translation>标注:</translation>
    </message>
    <message>
        <location filename="../src/panel/TextDialog.cpp" line="1"/>
        <source>Length:</source>
        <translation>位数:</translation>
    </message>
    <message>
        <location filename="../src/panel/TextDialog.cpp" line="1"/>
        <source>Outline</source>
        <translation>描边</translation>
    </message>
    <message>
        <location filename="../src/panel/TextDialog.cpp" line="1"/>
        <source>Cross</source>
        <translation>十字线</translation>
    </message>
    <message>
        <location filename="../src/panel/TextDialog.cpp" line="1"/>
        <source>Switch:</source>
        <translation>开关:</translation>
    </message>
</context>
<context>
    <name>upgradeDialog</name>
    <message>
        <source>upgrade</source>
        <translation>升级</translation>
    </message>
    <message>
        <source>application</source>
        <translation>应用程序</translation>
    </message>
    <message>
        <source>boot screen</source>
        <translation>开机画面</translation>
    </message>
    <message>
        <source>system</source>
        <translation>系统</translation>
    </message>
    <message>
        <source>The U disk doesn&apos;t exist! Please insert the U disk containing the correct upgrade application!</source>
        <translation>U盘不存在！请插入存有正确升级程序的U盘！</translation>
    </message>
    <message>
        <source>System upgrading, Please DO NOT power down!</source>
        <translation>系统升级中，请勿断电！</translation>
    </message>
    <message>
        <source>Boot screen updating, Please DO NOT power down!</source>
        <translation>开机画面更新中，请勿断电！</translation>
    </message>
    <message>
        <source>This camera MTD partition error!</source>
        <translation>本相机MTD分区错误！</translation>
    </message>
    <message>
        <source>Warning</source>
        <translation>警告</translation>
    </message>
    <message>
        <source>This camera system does not support direct upgrade. It will pre-upgrade system first. After system pre-upgrade successful. Please restart camera and upgrade system again!</source>
        <translation>本相机系统不支持直接升级，将先预升级系统。预升级成功后，请重启相机并再次升级系统！</translation>
    </message>
    <message>
        <source>This camera system does not support direct update of boot screen. It will upgrade system first. After system upgrade successful. Please restart camera and update boot screen again!</source>
        <translation>本相机系统不支持直接更新开机画面，将先升级系统。系统升级成功后，请重启相机并再次更新开机画面！</translation>
    </message>
    <message>
        <source>loading available image ...</source>
        <translation>正在加载可用图片……</translation>
    </message>
    <message>
        <source>Serious Warning</source>
        <translation>严重警告</translation>
    </message>
    <message>
        <source>This camera does not support upgrading the application, boot screen and system!</source>
        <translation>本相机不支持升级应用程序、开机画面和系统！</translation>
    </message>
    <message>
        <source>Application doesn&apos;t exist in the U disk! Please copy the upgrade application to the U disk!</source>
        <translation>U盘中没有应用程序！请将升级程序复制到U盘！</translation>
    </message>
    <message>
        <source>This version is the latest version, no need to upgrade!</source>
        <translation>当前已是最新版本，无需升级！</translation>
    </message>
    <message>
        <source>Internal memory card space is insufficient!</source>
        <translation>内部存储卡空间不足！</translation>
    </message>
    <message>
        <source>Aplication update fail!</source>
        <translation>应用程序更新失败！</translation>
    </message>
    <message>
        <source>Application update successful and will restart soon!</source>
        <translation>应用程序更新成功，即将重启！</translation>
    </message>
    <message>
        <source>System upgrade success. Please restart camera and update boot screen again!</source>
        <translation>系统升级成功。请重启相机并再次更新开机画面！</translation>
    </message>
    <message>
        <source>System pre-upgrade success. Please restart camera and upgrade system again!</source>
        <translation>系统预升级成功。请重启相机并再次升级系统！</translation>
    </message>
    <message>
        <source>Boot screen update successful. Please restart camera!</source>
        <translation>开机画面更新成功。请重启相机！</translation>
    </message>
    <message>
        <source>System upgrade success. Please restart camera!</source>
        <translation>系统升级成功。请重启相机！</translation>
    </message>
    <message>
        <source>Update resource successful. Please restart camera!</source>
        <translation>资源更新成功。请重启相机！</translation>
    </message>
    <message>
        <source>Can&apos;t find system.bin in the U disk! Please copy system.bin to the U disk!</source>
        <translation>U盘中找不到system.bin！请将system.bin复制到U盘！</translation>
    </message>
    <message>
        <source>Upgrade failed: a flash step did not succeed. The camera&apos;s flash may be incomplete. Please run the upgrade again and do not restart the camera before it succeeds!</source>
        <translation>升级失败：闪存操作未成功，相机闪存可能不完整。请重新升级，升级成功前请勿重启相机！</translation>
    </message>
    <message>
        <source>Upgrade stopped before anything was written: what the flash holds could not be saved first. The camera is as it was. Please check the internal storage and run the upgrade again.</source>
        <translation>升级已停止，未写入任何内容：无法先保存闪存中的原有内容。相机保持原样。请检查内部存储后重新升级。</translation>
    </message>
    <message>
        <source>Upgrade failed: the flash could not be written, and what it held before was written back. Please check the files and run the upgrade again.</source>
        <translation>升级失败：无法写入闪存，已将其原有内容写回。请检查文件并重新升级。</translation>
    </message>
    <message>
        <source>Upgrade failed: the upgrade file or image is invalid, nothing was written. Please check the files and run the upgrade again before restarting the camera!</source>
        <translation>升级失败：升级文件或镜像无效，未写入任何内容。请检查文件并在重启相机前重新升级！</translation>
    </message>
    <message>
        <source>The resource image was updated, but the system was not written: what the flash holds could not be saved first. The flash is as it was. Please check the internal storage and run the upgrade again.</source>
        <translation>资源镜像已更新，但系统未写入：无法先保存闪存中的原有内容。闪存保持原样。请检查内部存储后重新升级。</translation>
    </message>
    <message>
        <source>The application file in the U disk is not a program for this camera! Nothing was changed.</source>
        <translation>U盘中的应用程序文件不是本相机的程序！未做任何更改。</translation>
    </message>
    <message>
        <source>Upgrade refused: the device tree image is damaged (its header is missing or longer than the file). Nothing was written.</source>
        <translation>升级被拒绝：设备树镜像已损坏（缺少文件头，或文件头所述长度超出文件）。未写入任何内容。</translation>
    </message>
    <message>
        <source>Upgrade refused: the boot screen picture is not 1920 x 1080 pixels. Nothing was written.</source>
        <translation>升级被拒绝：开机画面图片不是 1920 x 1080 像素。未写入任何内容。</translation>
    </message>
    <message>
        <source>This program carries only stand-ins for testing instead of the camera&apos;s firmware: the system and the device tree cannot be upgraded from it. Nothing was written.</source>
        <translation>本程序只带有用于测试的替代固件，而非相机的固件：无法用它升级系统和设备树。未写入任何内容。</translation>
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
        <translation>该标定名称已存在！
请更换名称！</translation>
    </message>
    <message>
        <source>At most %1 calibrations can be kept!
Please delete one first!</source>
        <translation>最多只能保存 %1 个标定！
请先删除一个！</translation>
    </message>
    <message>
        <source>The calibration is out of range and could not be kept!
Please check the length and the drawn item!</source>
        <translation>标定值超出范围，无法保存！
请检查长度和所画的图形！</translation>
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
        <translation>所点的点得不出测量值，该项目不予保留。</translation>
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
是否替换它？</translation>
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
        <translation>数值</translation>
    </message>
    <message>
        <location filename="../src/panel/StatisticsCsv.cpp" line="1"/>
        <source>unit</source>
        <translation>单位</translation>
    </message>
    <message>
        <location filename="../src/panel/StatisticsCsv.cpp" line="1"/>
        <source>count</source>
        <translation>数量</translation>
    </message>
    <message>
        <location filename="../src/panel/StatisticsCsv.cpp" line="1"/>
        <source>mean</source>
        <translation>平均值</translation>
    </message>
    <message>
        <location filename="../src/panel/StatisticsCsv.cpp" line="1"/>
        <source>standard deviation</source>
        <translation>标准差</translation>
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
        <translation>极差</translation>
    </message>
</context>
<context>
    <name>StatisticsView</name>
    <message>
        <location filename="../src/forms/StatisticsView.ui" line="1"/>
        <source>Statistics</source>
        <translation>统计</translation>
    </message>
    <message>
        <location filename="../src/forms/StatisticsView.ui" line="1"/>
        <source>Close</source>
        <translation>关闭</translation>
    </message>
    <message>
        <location filename="../src/panel/StatisticsView.cpp" line="1"/>
        <source>No results</source>
        <translation>没有结果</translation>
    </message>
    <message>
        <location filename="../src/panel/StatisticsView.cpp" line="1"/>
        <source>%1 selected results</source>
        <translation>所选 %1 个结果</translation>
    </message>
    <message>
        <location filename="../src/panel/StatisticsView.cpp" line="1"/>
        <source>All %1 results</source>
        <translation>全部 %1 个结果</translation>
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
        <translation>点击输入框后用数字键盘输入；± 改变正在输入的数值的正负号。</translation>
    </message>
    <message>
        <location filename="../src/forms/ToleranceDialog.ui" line="1"/>
        <source>nominal</source>
        <translation>名义值</translation>
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
        <translation>应用于此工具的新测量项</translation>
    </message>
    <message>
        <location filename="../src/forms/ToleranceDialog.ui" line="1"/>
        <source>No tolerance</source>
        <translation>无公差</translation>
    </message>
    <message>
        <location filename="../src/forms/ToleranceDialog.ui" line="1"/>
        <source>OK</source>
        <translation>确定</translation>
    </message>
    <message>
        <location filename="../src/forms/ToleranceDialog.ui" line="1"/>
        <source>Cancel</source>
        <translation>取消</translation>
    </message>
    <message>
        <location filename="../src/panel/ToleranceDialog.cpp" line="1"/>
        <source>%1: enter the nominal value and both tolerances, or none of them.</source>
        <translation>%1：请输入名义值和上下公差，或全部留空。</translation>
    </message>
    <message>
        <location filename="../src/panel/ToleranceDialog.cpp" line="1"/>
        <source>%1: "%2" is not a number.</source>
        <translation>%1：“%2”不是数字。</translation>
    </message>
    <message>
        <location filename="../src/panel/ToleranceDialog.cpp" line="1"/>
        <source>%1: the lower tolerance is above the upper tolerance.</source>
        <translation>%1：下公差大于上公差。</translation>
    </message>
    <message>
        <location filename="../src/panel/ToleranceDialog.cpp" line="1"/>
        <source>%1: the limits are out of range.</source>
        <translation>%1：公差范围超出可用数值。</translation>
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
        <translation>测量文件过大，无法读取！</translation>
    </message>
    <message>
        <source>The measurement file was written by a newer version of the program and can&apos;t be read!</source>
        <translation>测量文件由更新版本的程序写入，无法读取！</translation>
    </message>
    <message>
        <source>This file is not a measurement file, or it is damaged!</source>
        <translation>此文件不是测量文件，或已损坏！</translation>
    </message>
    <message>
        <source>Can&apos;t read the measurement file!</source>
        <translation>无法读取测量文件！</translation>
    </message>
</context>
</TS>
