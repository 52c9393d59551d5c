<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="zh_CN">
<context>
    <name>Frame</name>
    <message>
        <location filename="../src/forms/Frame.ui" line="14"/>
        <source>Frame</source>
        <translation>主窗口</translation>
    </message>
</context>
</TS>
